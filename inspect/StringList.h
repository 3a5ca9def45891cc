#pragma once
// An ordered list of text lines kept as one text with CR LF between the
// lines: the form a multi-line edit control takes, so a list of hundreds of
// thousands of strings goes into one with one message and no second copy.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zarvik {

class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string_view> lines);

    // Appends one line made of the two texts.
    void Add(std::string_view first, std::string_view second = {});
    size_t Count() const { return starts_.size(); }
    bool Empty() const { return starts_.empty(); }
    std::string_view operator[](size_t index) const;
    // The lines with CR LF between them (none after the last).
    const std::string& Text() const { return text_; }
    // Hands the text over without a copy, leaving the list empty.
    std::string TakeText();
    std::vector<std::string> Lines() const;
    void Clear();

private:
    std::string text_;
    std::vector<size_t> starts_;
};

}  // namespace zarvik
