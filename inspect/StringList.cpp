#include "inspect/StringList.h"

namespace zarvik {

StringList::StringList(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) Add(line);
}

void StringList::Add(std::string_view first, std::string_view second) {
    if (!starts_.empty()) text_ += "\r\n";
    starts_.push_back(text_.size());
    text_.append(first).append(second);
}

std::string_view StringList::operator[](size_t index) const {
    const size_t start = starts_[index];
    const size_t end = index + 1 < starts_.size() ? starts_[index + 1] - 2 : text_.size();
    return std::string_view(text_).substr(start, end - start);
}

std::vector<std::string> StringList::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(Count());
    for (size_t i = 0; i < Count(); ++i) lines.emplace_back((*this)[i]);
    return lines;
}

std::string StringList::TakeText() {
    starts_.clear();
    std::string text = std::move(text_);
    text_.clear();
    return text;
}

void StringList::Clear() {
    std::string().swap(text_);
    std::vector<size_t>().swap(starts_);
}

}  // namespace zarvik
