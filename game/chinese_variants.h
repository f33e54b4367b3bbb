// Matching names and places written in simplified or traditional
// characters alike: collections are published in either, players type
// either. Texts are GBK.
#pragma once

#include <string>
#include <string_view>

// The text with every traditional character of the variant table (see
// chinese_variants_table.h) in its simplified form and ASCII letters in
// lower case: two texts that differ only so fold alike.
std::string foldVariants(std::string_view gbk);

// Whether needle occurs in text at a character boundary (a GBK character's
// second byte never starts a match). Both are expected folded.
bool containsText(std::string_view text, std::string_view needle);
