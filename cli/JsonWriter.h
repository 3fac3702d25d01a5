// JsonWriter: JSON written as it is produced, never held as a document, in exactly the layout
// of nlohmann-json's dump with an indent of 2; Tabulon texts are converted to UTF-8 on the way.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace orvanta::cli {

class JsonWriter {
public:
    // Without out the text is only gathered (Text()); with out it goes there in large pieces.
    explicit JsonWriter(std::ostream* out = nullptr) : m_out(out) {}
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next member of the open object.
    JsonWriter& Key(std::string_view key);

    // A Windows-1252 text of the Tabulon, as a UTF-8 string.
    void Text(std::string_view windows1252);
    // A string already in UTF-8 (labels, ISO dates, base64).
    void String(std::string_view utf8);
    void Null();
    void Bool(bool value);
    void Signed(int64_t value);
    void Unsigned(uint64_t value);
    // In the shortest form that reads back as the same double; null when not finite.
    void Double(double value);
    // A number (enumerations by their number), a bool or a UTF-8 string, as its C++ type says.
    template <typename T>
    void Value(const T& value) {
        if constexpr (std::is_same_v<T, bool>)
            Bool(value);
        else if constexpr (std::is_enum_v<T>)
            Value(static_cast<std::underlying_type_t<T>>(value));
        else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>)
            Signed(value);
        else if constexpr (std::is_integral_v<T>)
            Unsigned(value);
        else if constexpr (std::is_floating_point_v<T>)
            Double(value);
        else
            String(value);
    }
    template <typename T>
    void Member(std::string_view key, const T& value) {
        Key(key).Value(value);
    }

    // What was written and not yet handed to the stream.
    const std::string& Gathered() const { return m_text; }
    // Starts over: nothing gathered, nothing open.
    void Clear();
    // Hands the gathered text to the stream (nothing without one).
    void Flush();

private:
    static constexpr size_t kFlushSize = 1 << 16;

    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Quoted(std::string_view text, bool fromWindows1252);
    void Indent();
    void FlushIfFull() {
        if (m_out && m_text.size() >= kFlushSize) Flush();
    }

    std::ostream* m_out;
    std::string m_text;
    std::vector<bool> m_empty;  // per open object or array: nothing in it yet
    bool m_afterKey = false;
};

}  // namespace orvanta::cli
