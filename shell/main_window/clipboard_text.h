// Text for the clipboard: the program's GBK text, handed over as Unicode.
#pragma once

#include <string>

void copyTextToClipboard(const std::string& gbk);
