// Articles are looked up by code with the query of the knowledge page; the code is quoted.
#include "refdata/Articles.h"

#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

std::optional<std::string> ArticleContent(std::string_view code) {
    RefQuery q(kTalBirth, "select Tite,content from Noter where Cid = " + SqlQuote(code));
    if (q.Eof()) return std::nullopt;
    return Trim(q.AsText(1));
}

}  // namespace qinghe
