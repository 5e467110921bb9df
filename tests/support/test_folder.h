// A folder of a Windows test's own under the temporary folder, with a look at
// what it holds.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Creates a new, empty folder and returns its path, without a final '\'.
std::string MakeTestFolder(const char* prefix);

// The names of the files and folders in it, "." and ".." aside.
std::vector<std::string> FolderNames(const std::string& folder);

// The file's bytes, or "(missing)".
std::string FileBytes(const std::string& path);

// Removes the folder and everything in it, one level deep.
void RemoveTestFolder(const std::string& folder);
