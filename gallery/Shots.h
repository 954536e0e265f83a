// Headless screenshots: every page of the gallery to DIR/<slug>.png, and DIR/index.html showing them.
#pragma once
#include <string>

class CGalleryWnd;

// Returns the process exit code: 0 when every file was written, otherwise 1 after a message on stderr.
int RunShots(CGalleryWnd& wnd, const std::string& dir);
