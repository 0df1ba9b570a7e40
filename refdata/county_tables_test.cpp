#include "refdata/county_tables.h"

#include <gtest/gtest.h>
