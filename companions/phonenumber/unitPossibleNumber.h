// The part of a typed text that can be a phone number.
#pragma once

#include <string>

std::string fnstExtractPossibleNumber(const std::string &stText);
