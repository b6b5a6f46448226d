#include "lessons/rtf/rtf_keywords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rtf {

namespace {

#define RTF_KEYWORD_ENTRY(name, kind) Keyword{#name, Kind::kind, Id::name},
constexpr bool byName(const Keyword& a, const Keyword& b) {
    return std::string_view(a.name) < std::string_view(b.name);
}

constexpr auto sortedKeywords() {
    std::array table{RTF_KEYWORDS(RTF_KEYWORD_ENTRY)
                     // Information destinations whose names cannot be enumerators.
                     Keyword{"operator", Kind::Destination, Id::author},
                     Keyword{"private", Kind::Destination, Id::author},
                     Keyword{"template", Kind::Destination, Id::author}};
    std::sort(table.begin(), table.end(), byName);
    return table;
}
#undef RTF_KEYWORD_ENTRY

constexpr auto kKeywords = sortedKeywords();
static_assert(std::adjacent_find(kKeywords.begin(), kKeywords.end(),
                                 [](const Keyword& a, const Keyword& b) {
                                     return std::string_view(a.name) == std::string_view(b.name);
                                 }) == kKeywords.end(),
              "a control word is listed twice");

}  // namespace

const Keyword* findKeyword(QByteArrayView name) {
    const std::string_view key(name.data(), static_cast<size_t>(name.size()));
    const auto it = std::lower_bound(
        kKeywords.begin(), kKeywords.end(), key,
        [](const Keyword& k, std::string_view n) { return std::string_view(k.name) < n; });
    if (it == kKeywords.end() || std::string_view(it->name) != key) return nullptr;
    return &*it;
}

}  // namespace rtf
