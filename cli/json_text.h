#pragma once
// Text for JSON output: strings quoted and escaped, bytes that are not UTF-8
// (Windows-1252 files of the old platform) read as Latin-1.

#include <string>

std::string JsonString(const std::string& bytes);
