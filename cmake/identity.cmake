# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Who the program and its package say they come from: the one place a school district or a distribution
# building its own package sets them, once, at configure time (cmake --preset release
# -DMAROLETA_CONTACT_ADDRESS=...). The defaults are the program's own, and with them the windows read
# exactly as they always have. The version is the one of project() in CMakeLists.txt.
set(MAROLETA_CONTACT_ADDRESS "maroleta@example.org" CACHE STRING
    "Address in the window title, after the version, and on the presentation screen")
set(MAROLETA_SCHOOLS_ADDRESS "escuelas@example.org" CACHE STRING
    "Address for schools, last in the window title")
set(MAROLETA_APP_ID "org.example.maroleta" CACHE STRING
    "AppStream id, in reverse-DNS form: the id of the metainfo and its file name")
set(MAROLETA_HOMEPAGE "https://example.org/maroleta" CACHE STRING
    "Home page in the package and the metainfo; the screenshots are under <home page>/screenshots")
set(MAROLETA_PACKAGE_MAINTAINER "Maroleta developers <maroleta@example.org>" CACHE STRING
    "Name and address in the Debian package's Maintainer field and changelog")

# What the windows show, as C++ string literals in a header of the build tree (the shell's only).
foreach(setting PROJECT_VERSION MAROLETA_CONTACT_ADDRESS MAROLETA_SCHOOLS_ADDRESS)
    string(REPLACE "\\" "\\\\" literal "${${setting}}")
    string(REPLACE "\"" "\\\"" ${setting}_LITERAL "${literal}")
endforeach()
set(MAROLETA_IDENTITY_INCLUDE_DIR ${PROJECT_BINARY_DIR}/identity)
file(CONFIGURE OUTPUT ${MAROLETA_IDENTITY_INCLUDE_DIR}/identity.h @ONLY CONTENT [[
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Made by cmake/identity.cmake from the version and the identity settings of the build.
#pragma once

#define MAROLETA_VERSION "@PROJECT_VERSION_LITERAL@"
#define MAROLETA_CONTACT_ADDRESS "@MAROLETA_CONTACT_ADDRESS_LITERAL@"
#define MAROLETA_SCHOOLS_ADDRESS "@MAROLETA_SCHOOLS_ADDRESS_LITERAL@"
]])

# The same settings as XML text, for the AppStream metainfo.
foreach(setting MAROLETA_APP_ID MAROLETA_HOMEPAGE)
    string(REPLACE "&" "&amp;" text "${${setting}}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" ${setting}_XML "${text}")
endforeach()
