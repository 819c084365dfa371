#pragma once
// What the INI document tests compare: a value as the system's profile
// functions read it from a file, and as the document reads it, each given as
// "<missing>" when there is none; every value the profile functions find in
// a file; and the bytes of UTF-16 text, for files in that form.
//
//     WriteBytes(strPath, "[S]\r\nk=v\r\n");
//     EXPECT_EQ(ProfileRead(strPath, "S", "k"), DocumentRead(doc, "S", "k"));
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <map>
#include <string>
#include <utility>

std::string ProfileRead(const std::string& strPath, const char* pszSection, const char* pszName);
std::string DocumentRead(const CXTPPropExchangeIniDocument& doc, const char* pszSection, const char* pszName);

// By section and name: each value of each section that the profile functions
// name, and of the section without a name.
typedef std::map<std::pair<std::string, std::string>, std::string> ProfileValues;
ProfileValues ReadAllAsProfile(const std::string& strPath);

// The text with its ASCII letters in upper case (wine's profile functions
// match the case of ASCII letters only).
std::string AsciiUpper(std::string strText);

// UTF-8 text as the bytes of UTF-16 of either order.
std::string Utf16Bytes(const std::string& strUtf8, bool bBigEndian);
