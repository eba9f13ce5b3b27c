#include "workspace/controls.h"

#include <algorithm>

namespace zolvan {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the code point at `index`; the text's size when index is at or past the end.
std::size_t byteOffset(std::string_view text, int index) {
    std::size_t offset = 0;
    for (int seen = 0; offset < text.size(); ++offset) {
        if (isContinuationByte(text[offset])) {
            continue;
        }
        if (seen == index) {
            return offset;
        }
        ++seen;
    }
    return text.size();
}

} // namespace

int codePointCount(std::string_view text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

void TextBox::setText(std::string text) {
    if (text == m_text) {
        return;
    }
    m_text = std::move(text);
    textReplaced();
}

void TextBox::clear() {
    if (m_text.empty()) {
        return;
    }
    m_text.clear();
    textReplaced();
}

void TextBox::textReplaced() {
    m_selStart = 0;
    m_selLength = 0;
    if (onChange) {
        onChange();
    }
}

void TextBox::select(int start, int length) {
    const int size = codePointCount(m_text);
    m_selStart = std::clamp(start, 0, size);
    m_selLength = std::clamp(length, 0, size - m_selStart);
}

std::string TextBox::selectedText() const {
    const std::size_t from = byteOffset(m_text, m_selStart);
    const std::size_t to = byteOffset(m_text, m_selStart + m_selLength);
    return m_text.substr(from, to - from);
}

void TextBox::insertAtCaret(std::string_view text) {
    // The caret may be stale if the text was shortened behind its back; clamp it first.
    select(m_selStart, m_selLength);
    const std::size_t from = byteOffset(m_text, m_selStart);
    const std::size_t to = byteOffset(m_text, m_selStart + m_selLength);
    std::string updated;
    updated.reserve(m_text.size() - (to - from) + text.size());
    updated.append(m_text, 0, from).append(text).append(m_text, to);
    m_selStart += codePointCount(text);
    m_selLength = 0;
    if (updated == m_text) {
        return;
    }
    m_text = std::move(updated);
    if (onChange) {
        onChange();
    }
}

void OptionGroup::select(int index) {
    const bool outOfRange = index < 0 || index >= static_cast<int>(buttons.size());
    if (outOfRange || index == m_selected) {
        return;
    }
    m_selected = index;
    if (onClick) {
        onClick(index);
    }
}

void CheckBox::setChecked(bool checked) {
    if (checked == m_checked) {
        return;
    }
    m_checked = checked;
    if (onClick) {
        onClick();
    }
}

void ScrollBar::setValue(int value) {
    value = std::clamp(value, std::min(min, max), std::max(min, max));
    if (value == m_value) {
        return;
    }
    m_value = value;
    if (onChange) {
        onChange();
    }
}

} // namespace zolvan
