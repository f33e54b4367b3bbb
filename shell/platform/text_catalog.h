// Every GBK text constant of the game and database layers beside its UTF-8
// source form, marked for lupdate in the context "Texts". The entries are
// written by tools/text_catalog/make_text_catalog.py; a shell test checks
// that none is missing and that each matches its constant.
#pragma once

#include <span>

struct CatalogEntry {
    const char* name;    // the constant's name, GBK_...
    const char* gbk;     // the constant, printf's placeholders as written
    const char* source;  // its UTF-8 form, Qt's %1 %2 ... for printf's
};

std::span<const CatalogEntry> textCatalog();
