// Checks of the program file's resources: dialog templates, icon, About text, version record
// and manifests, read from the file itself.
#pragma once
#include <string>

#include "tests/wine/remote.h"

void checkResources(Report& report, const std::string& program);
