// The folder the program works in when started from the desktop menu:
// $XDG_DATA_HOME/morlan, or ~/.local/share/morlan when XDG_DATA_HOME is
// unset, empty or not absolute.
#pragma once
#include <string>

// The folder's path; empty when neither XDG_DATA_HOME nor HOME gives one.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// Creates the folder (and its parents) and makes it the current folder.
// False, with error telling why, when that fails; the current folder is then
// unchanged.
bool enterFolder(const std::string& folder, std::string& error);

// A relative path made absolute against the current folder, so that it still
// names the same file after the program has changed folder.
std::string absolutePath(const std::string& path);
