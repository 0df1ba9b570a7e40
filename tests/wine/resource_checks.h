// Checks of the program file's resources: dialog templates, icon, About text, version record
// and manifests, read from the file itself.
#pragma once
#include <string>

#include "tests/wine/remote.h"

// `version` is the full version the program must carry ("5.13.0.1").
void checkResources(Report& report, const std::string& program, const std::string& version);

// The version as the about box shows it: its first two numbers ("5.13" of "5.13.0.1").
std::string shortVersion(const std::string& version);
