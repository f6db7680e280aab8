#include "catalogue/xml_reader.h"

#include <cstdint>

namespace tagmora {

const std::string* XmlElement::Attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName)
            return &value;
    }
    return nullptr;
}

namespace {

bool IsNameChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':' || u >= 0x80;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void AppendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    XmlDocument Read() {
        XmlDocument document;
        if (!SkipProlog() || !ReadElement(document.root, 1)) {
            document.error = error_;
            document.root = XmlElement{};
            return document;
        }
        if (!SkipMisc() || pos_ < text_.size()) {
            document.error = Fail(pos_ < text_.size() ? "text after the root element" : error_);
            document.root = XmlElement{};
        }
        return document;
    }

  private:
    std::string Fail(const std::string& what) {
        if (error_.empty())
            error_ = "line " + std::to_string(Line()) + ": " + what;
        return error_;
    }
    bool Failed(const std::string& what) {
        Fail(what);
        return false;
    }
    // The reader only moves forward, so the line count carries on from where it was last asked.
    int Line() {
        for (; counted_ < pos_ && counted_ < text_.size(); ++counted_)
            line_ += text_[counted_] == '\n';
        return line_;
    }
    bool StartsWith(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_]))
            ++pos_;
    }
    // Moves past the next occurrence of the end marker; false when there is none.
    bool SkipPast(std::string_view end) {
        const std::size_t found = text_.find(end, pos_);
        if (found == std::string_view::npos)
            return false;
        pos_ = found + end.size();
        return true;
    }

    // Comments, processing instructions and white space, between elements or around the root.
    bool SkipMisc() {
        for (;;) {
            SkipSpace();
            if (StartsWith("<!--")) {
                pos_ += 4;
                if (!SkipPast("-->"))
                    return Failed("a comment without its end");
            } else if (StartsWith("<?")) {
                if (!SkipPast("?>"))
                    return Failed("a processing instruction without its end");
            } else {
                return true;
            }
        }
    }

    // The DOCTYPE may hold an internal subset in brackets, whose declarations may quote '>'.
    bool SkipDoctype() {
        pos_ += 9;
        int brackets = 0;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"' || c == '\'') {
                const std::size_t close = text_.find(c, pos_);
                if (close == std::string_view::npos)
                    break;
                pos_ = close + 1;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                return true;
            }
        }
        return Failed("a DOCTYPE without its end");
    }

    bool SkipProlog() {
        if (StartsWith("\xEF\xBB\xBF"))
            pos_ += 3;
        for (;;) {
            if (!SkipMisc())
                return false;
            if (!StartsWith("<!DOCTYPE"))
                break;
            if (!SkipDoctype())
                return false;
        }
        if (pos_ >= text_.size() || text_[pos_] != '<')
            return Failed("no root element");
        return true;
    }

    bool ReadName(std::string& name) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsNameChar(text_[pos_]))
            ++pos_;
        if (pos_ == start)
            return Failed("a name was expected");
        name.assign(text_.substr(start, pos_ - start));
        return true;
    }

    bool ReadReference(std::string& out) {
        const std::size_t end = text_.find(';', pos_);
        if (end == std::string_view::npos || end - pos_ > 12)
            return Failed("an '&' that starts no entity");
        const std::string_view entity = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        if (entity == "amp") {
            out += '&';
        } else if (entity == "lt") {
            out += '<';
        } else if (entity == "gt") {
            out += '>';
        } else if (entity == "quot") {
            out += '"';
        } else if (entity == "apos") {
            out += '\'';
        } else if (entity.size() >= 2 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            std::uint32_t code = 0;
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            if (digits.empty())
                return Failed("an empty character reference");
            for (const char c : digits) {
                int digit = -1;
                if (c >= '0' && c <= '9')
                    digit = c - '0';
                else if (hex && c >= 'a' && c <= 'f')
                    digit = c - 'a' + 10;
                else if (hex && c >= 'A' && c <= 'F')
                    digit = c - 'A' + 10;
                if (digit < 0)
                    return Failed("a malformed character reference");
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
                if (code > 0x10FFFF)
                    return Failed("a character reference beyond Unicode");
            }
            AppendUtf8(code, out);
        } else {
            return Failed("an unknown entity &" + std::string(entity) + ";");
        }
        return true;
    }

    bool ReadAttributeValue(std::string& value) {
        if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\''))
            return Failed("an attribute value must be quoted");
        const char quote = text_[pos_++];
        while (pos_ < text_.size() && text_[pos_] != quote) {
            const char c = text_[pos_];
            if (c == '<')
                return Failed("'<' inside an attribute value");
            if (c == '&') {
                if (!ReadReference(value))
                    return false;
            } else {
                value += c;
                ++pos_;
            }
        }
        if (pos_ >= text_.size())
            return Failed("an attribute value without its closing quote");
        ++pos_;
        return true;
    }

    // At '<' of a start tag: the element with everything inside it, up to and including its end tag.
    bool ReadElement(XmlElement& element, int depth) {
        if (depth > kMaxXmlDepth)
            return Failed("elements nested too deeply");
        element.line = Line();
        ++pos_;
        if (!ReadName(element.name))
            return false;
        for (;;) {
            const std::size_t before = pos_;
            SkipSpace();
            if (pos_ >= text_.size())
                return Failed("the tag <" + element.name + " has no end");
            if (StartsWith("/>")) {
                pos_ += 2;
                return true;
            }
            if (text_[pos_] == '>') {
                ++pos_;
                break;
            }
            if (pos_ == before)
                return Failed("space is needed between attributes");
            std::pair<std::string, std::string> attribute;
            if (!ReadName(attribute.first))
                return false;
            SkipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '=')
                return Failed("'=' was expected after " + attribute.first);
            ++pos_;
            SkipSpace();
            if (!ReadAttributeValue(attribute.second))
                return false;
            if (element.Attribute(attribute.first))
                return Failed("the attribute " + attribute.first + " is given twice");
            element.attributes.push_back(std::move(attribute));
        }
        return ReadContent(element, depth);
    }

    bool ReadContent(XmlElement& element, int depth) {
        for (;;) {
            const std::size_t next = text_.find('<', pos_);
            if (next == std::string_view::npos) {
                pos_ = text_.size();
                return Failed("<" + element.name + "> has no end tag");
            }
            for (std::size_t i = pos_; i < next; ++i) {
                if (text_[i] == '&') {
                    pos_ = i;
                    std::string ignored;
                    if (!ReadReference(ignored))
                        return false;
                    i = pos_ - 1;
                }
            }
            pos_ = next;
            if (StartsWith("<!--")) {
                pos_ += 4;
                if (!SkipPast("-->"))
                    return Failed("a comment without its end");
            } else if (StartsWith("<![CDATA[")) {
                if (!SkipPast("]]>"))
                    return Failed("a CDATA section without its end");
            } else if (StartsWith("<?")) {
                if (!SkipPast("?>"))
                    return Failed("a processing instruction without its end");
            } else if (StartsWith("</")) {
                pos_ += 2;
                std::string name;
                if (!ReadName(name))
                    return false;
                if (name != element.name)
                    return Failed("</" + name + "> closes <" + element.name + ">");
                SkipSpace();
                if (pos_ >= text_.size() || text_[pos_] != '>')
                    return Failed("the end tag </" + name + "> has no '>'");
                ++pos_;
                return true;
            } else {
                element.children.emplace_back();
                if (!ReadElement(element.children.back(), depth + 1))
                    return false;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0;
    int line_ = 1;
    std::string error_;
};

}  // namespace

XmlDocument ReadXml(std::string_view text) {
    return Reader(text).Read();
}

}  // namespace tagmora
