// Tables of the reference files with the value forms the look-ups rely on.
#include "refdata/Schema.h"

#include "refdata/ReferenceDb.h"

namespace qinghe {

namespace {

constexpr std::string_view I = "INTEGER";
constexpr std::string_view R = "REAL";
constexpr std::string_view T = "TEXT";

std::vector<TableDef> BuildSchema() {
    return {
        // Characters: simplified and traditional form, Kangxi strokes, readings, element,
        // suitability for boys and girls, rank for generation (Aflag null = may be offered).
        {kRedoviv,
         "word",
         {{"id", I},
          {"zi", T},
          {"ft", T},
          {"bh", I},
          {"pinyin", T},
          {"wuhang", T},
          {"nan", I},
          {"nv", I},
          {"xb", T},
          {"px", I},
          {"Aflag", I}},
         {{"zi"}, {"ft"}, {"bh"}}},
        // Scored stroke combinations: surname strokes bh11 bh12, given-name strokes bh21 bh22.
        {kRedoviv,
         "zh",
         {{"bh11", I},
          {"bh12", I},
          {"bh21", I},
          {"bh22", I},
          {"lx", I},
          {"zf", I},
          {"jxjx", I},
          {"wg", T},
          {"sc", T}},
         {{"lx", "bh11", "bh12", "jxjx", "zf"}, {"bh11", "bh12", "bh21", "bh22"}}},
        // The name filter: words with a bad sense and their category, bad sounds as toneless
        // syllables ("wang gu") with the word heard, everyday words with jieba's tag and count,
        // and the pool characters that read well only second in a given name (安澜, never 澜X).
        {kRedoviv, "buya", {{"ci", T}, {"lb", T}}, {}},
        {kRedoviv, "xieyin", {{"py", T}, {"ci", T}}, {}},
        {kRedoviv, "putongci", {{"ci", T}, {"cx", T}, {"cp", I}}, {}},
        {kRedoviv, "houzi", {{"zi", T}}, {}},
        // The idiom list of idiom mode, in the order of its file (xh from 1).
        {kRedoviv, "chengyu", {{"xh", I}, {"cy", T}}, {}},
        {kTalFile, "sancai", {{"title", T}, {"djc", I}}, {{"title"}}},
        {kTalFile,
         "sancai2009",
         {{"title", T},
          {"yy", T},
          {"jcy", T},
          {"jx1", T},
          {"cgy", T},
          {"jx2", T},
          {"rjgx", T},
          {"jx3", T},
          {"xg", T}},
         {{"title"}}},
        {kTalFile, "81", {{"num", I}, {"yy", T}, {"jx", T}, {"as", T}, {"content", T}}, {{"num"}}},
        // Bone weight in liang by lunar year, month, day and hour; keys are texts.
        {kDream, "chenggu1", {{"year", T}, {"weight", R}}, {{"year"}}},
        {kDream, "chenggu2", {{"month2", T}, {"weight", R}}, {{"month2"}}},
        {kDream, "chenggu3", {{"day2", T}, {"weight", R}}, {{"day2"}}},
        {kDream, "chenggu4", {{"time", T}, {"weight", R}}, {{"time"}}},
        {kDream, "chenggu", {{"weight", T}, {"content", T}, {"content2", T}}, {{"weight"}}},
        {kTgcode, "hzwh", {{"hz", T}, {"wh", T}}, {}},
        {kTgcode, "Shishen", {{"jiazi", T}, {"ShiShen", T}}, {{"jiazi"}}},
        {kTgcode, "jiazi", {{"jiazi", T}, {"layin", T}}, {{"jiazi"}}},
        // Solar-term moments: SJ is "YYYY-MM-DD HH:MM:SS", China Standard Time.
        {kTgcode, "JQ", {{"YearA", I}, {"JQ", T}, {"SJ", T}}, {{"YearA", "JQ"}}},
        // Almanac days: gn is the date as "YYYY-MM-DD".
        {kTalBirth,
         "huangdao",
         {{"gn", T},
          {"nn", T},
          {"suici", T},
          {"tszf", T},
          {"wuhang", T},
          {"cong", T},
          {"pzbj", T},
          {"jsyq", T},
          {"yi", T},
          {"xsyq", T},
          {"ji", T}},
         {{"gn"}}},
        {kTalBirth,
         "sg",
         {{"cd_num", I},
          {"d_dynasty", T},
          {"au_num", I},
          {"d_author", T},
          {"d_num", I},
          {"d_title", T},
          {"d_nr", T}},
         {{"cd_num"}, {"au_num"}, {"d_num"}}},
        {kTalBirth, "Noter", {{"Cid", T}, {"Tite", T}, {"content", T}}, {{"Cid"}}},
    };
}

}  // namespace

const std::vector<TableDef>& ReferenceSchema() {
    static const std::vector<TableDef> schema = BuildSchema();
    return schema;
}

const std::vector<std::string_view>& ReferenceFiles() {
    static const std::vector<std::string_view> files = {kRedoviv, kTalFile, kDream, kTgcode,
                                                        kTalBirth};
    return files;
}

std::string SchemaSql(std::string_view file) {
    std::string sql;
    for (const TableDef& t : ReferenceSchema()) {
        if (t.file != file) continue;
        sql += "CREATE TABLE \"" + std::string(t.name) + "\" (";
        for (std::size_t i = 0; i < t.columns.size(); ++i) {
            const ColumnDef& c = t.columns[i];
            sql += (i ? ", \"" : "\"") + std::string(c.name) + "\" " + std::string(c.type);
            if (c.type == T) sql += " COLLATE NOCASE";
        }
        sql += ");\n";
        for (std::size_t k = 0; k < t.indexes.size(); ++k) {
            const auto& cols = t.indexes[k];
            sql += "CREATE INDEX \"" + std::string(t.name) + "_" + std::to_string(k) + "\" ON \"" +
                   std::string(t.name) + "\" (";
            for (std::size_t i = 0; i < cols.size(); ++i)
                sql += (i ? ", \"" : "\"") + std::string(cols[i]) + "\"";
            sql += ");\n";
        }
    }
    return sql;
}

std::vector<std::string> UnreadableReferenceFiles() {
    std::vector<std::string> unreadable;
    for (const std::string_view file : ReferenceFiles()) {
        try {
            for (const TableDef& t : ReferenceSchema())
                if (t.file == file)
                    const RefQuery probe(file, "select top 1 * from " + std::string(t.name));
        } catch (const ReferenceDbError&) {
            unreadable.emplace_back(file);
        }
    }
    return unreadable;
}

}  // namespace qinghe
