// The knowledge articles: the built-in introduction, and the articles of table Noter
// (TalBirth.dll) by their code. The texts are the project's own (data/articles).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qinghe {

// The introduction the knowledge page shows before any button is pressed; its first line
// is "起名原理".
const std::string& IntroductionArticle();

// The article of `code`, without blank lines or blanks around it; none when Noter has no
// row for the code. Throws ReferenceDbError when the file or the table cannot be read.
std::optional<std::string> ArticleContent(std::string_view code);

}  // namespace qinghe
