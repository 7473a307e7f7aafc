#pragma once

#include <string>

// A display text: Windows-1251 bytes, as the game keeps every text it shows.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text) {}

    CString& operator=(const char* text) {
        m_text = text;
        return *this;
    }

    // Replaces the text by the format filled with the arguments, as printf does.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    bool IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    operator const char*() const { return m_text.c_str(); }

    friend bool operator==(const CString& left, const CString& right) { return left.m_text == right.m_text; }
    friend bool operator==(const CString& left, const char* right) { return left.m_text == right; }
    friend bool operator!=(const CString& left, const CString& right) { return !(left == right); }
    friend bool operator!=(const CString& left, const char* right) { return !(left == right); }

private:
    std::string m_text;
};
