/* The program's version: the one place it is written. app.rc and the build read it. */
#pragma once

#define VANTELO_VERSION_MAJOR 1
#define VANTELO_VERSION_MINOR 0
#define VANTELO_VERSION_PATCH 0
#define VANTELO_VERSION_BUILD 0
#define VANTELO_VERSION_TEXT "1.0.0.0"
