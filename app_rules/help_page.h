#pragma once

#include <string>

// The program's help: the help engine's file when there is one beside the program, else the
// HTML page beside it, opened in the browser at the section of the window that asks.
enum class THelpTopic { Drilling, Keys, Options, FunctionKeys, Tables };

constexpr char HelpEngineFileName[] = "VOCORIX.HLP";
constexpr char HelpPageName[] = "vocorix-help.html";

// The anchor of the topic's section in the help page.
const char* HelpAnchor(THelpTopic topic);

// The file URL of a Windows path with the section's anchor: "C:\My Words\a.html" and "keys"
// give "file:///C:/My%20Words/a.html#keys"; a UNC path "\\server\share\a.html" gives
// "file://server/share/a.html". Bytes that a URL may not carry are percent-encoded.
std::string HelpPageUrl(const std::string& windowsPath, const char* anchor);

// The folder of a Windows program file, without the last separator ("C:\Vocorix" for
// "C:\Vocorix\vocorix.exe"); empty for a bare file name.
std::string ProgramFolder(const std::string& programFile);
