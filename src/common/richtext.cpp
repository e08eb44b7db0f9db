#include "common/richtext.h"

#include "common/atomicfile.h"
#include "common/textlines.h"
#include "common/win1252.h"

#include <QBrush>
#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace vm {

namespace {

// RTF sizes are half-points; 24 (12 pt) is the format's default, 3276
// (1638 pt) the largest size the common editors accept.
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;

constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kNoBreakSpace = 0x00A0;
constexpr char16_t kSoftHyphen = 0x00AD;
constexpr char16_t kNoBreakHyphen = 0x2011;
constexpr char16_t kObjectReplacement = 0xFFFC;

// ---------------------------------------------------------------- writer

// Appends text to out the way RTF wants it: 7-bit ASCII, with special
// characters as control symbols. needDelimiter is true while the last thing
// written was a control word, which a letter, digit or space would extend.
void appendEscaped(QByteArray& out, QStringView text, bool& needDelimiter)
{
    const auto controlWord = [&](const char* word) {
        out += '\\';
        out += word;
        needDelimiter = true;
    };
    const auto controlSymbol = [&](const char* symbol) {
        out += symbol;
        needDelimiter = false;
    };

    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'\\':
            controlSymbol("\\\\");
            continue;
        case u'{':
            controlSymbol("\\{");
            continue;
        case u'}':
            controlSymbol("\\}");
            continue;
        case u'\t':
            controlWord("tab");
            continue;
        case kLineSeparator:
        case kParagraphSeparator:
            controlWord("line");
            continue;
        case kNoBreakSpace:
            controlSymbol("\\~");
            continue;
        case kSoftHyphen:
            controlSymbol("\\-");
            continue;
        case kNoBreakHyphen:
            controlSymbol("\\_");
            continue;
        case kObjectReplacement: // the place of an image, which RTF here does not carry
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            continue;
        }
        if (c < 0x80) {
            if (needDelimiter) {
                out += ' ';
                needDelimiter = false;
            }
            out += char(c);
            continue;
        }
        const QByteArray encoded = encodeWindows1252(QStringView(&ch, 1));
        if (encoded.size() == 1 && encoded != "?") {
            out += "\\'";
            out += QByteArray::number(uchar(encoded[0]), 16).rightJustified(2, '0');
            needDelimiter = false;
        } else {
            // \u takes a signed 16-bit number; "?" is the fallback for readers
            // that do not know \u (one character, as \uc1 announces).
            out += "\\u";
            out += QByteArray::number(qint16(c));
            out += '?';
            needDelimiter = false;
        }
    }
}

struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;

    bool operator==(const RunFormat&) const = default;
};

class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& doc)
        : m_doc(doc)
    {
        const QFont font = doc.defaultFont();
        QString family = font.family();
        if (family.isEmpty()) {
            family = QStringLiteral("Arial");
        }
        m_fonts.append(family);
        m_defaultPointSize = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
    }

    QByteArray write()
    {
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            writeBlock(block);
        }

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            bool needDelimiter = false;
            // A semicolon ends the name in the font table.
            appendEscaped(out, QString(m_fonts[i]).remove(u';'), needDelimiter);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (const QRgb rgb : std::as_const(m_colors)) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                   QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                   ';';
        }
        out += "}\r\n\\uc1\r\n";
        out += m_body;
        out += "}\r\n";
        return out;
    }

private:
    void writeBlock(const QTextBlock& block)
    {
        word("pard");
        const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter) {
            word("qc");
        } else if (align & Qt::AlignJustify) {
            word("qj");
        } else if (align & Qt::AlignRight) {
            word("qr");
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            changeTo(runFormat(fragment.charFormat()));
            appendEscaped(m_body, fragment.text(), m_needDelimiter);
        }
        word("par");
        m_body += "\r\n";
        m_needDelimiter = false;
    }

    void word(const char* name)
    {
        m_body += '\\';
        m_body += name;
        m_needDelimiter = true;
    }

    void word(const char* name, int param)
    {
        word(name);
        m_body += QByteArray::number(param);
    }

    void changeTo(const RunFormat& f)
    {
        if (f.font != m_current.font) {
            word("f", f.font);
        }
        if (f.halfPoints != m_current.halfPoints) {
            word("fs", f.halfPoints);
        }
        if (f.bold != m_current.bold) {
            word(f.bold ? "b" : "b0");
        }
        if (f.italic != m_current.italic) {
            word(f.italic ? "i" : "i0");
        }
        if (f.underline != m_current.underline) {
            word(f.underline ? "ul" : "ulnone");
        }
        if (f.color != m_current.color) {
            word("cf", f.color);
        }
        m_current = f;
    }

    RunFormat runFormat(const QTextCharFormat& fmt)
    {
        RunFormat f;
        f.bold = fmt.fontWeight() > QFont::Medium;
        f.italic = fmt.fontItalic();
        f.underline = fmt.fontUnderline() || fmt.underlineStyle() != QTextCharFormat::NoUnderline;
        f.font = fontIndex(familyOf(fmt));
        const qreal points =
            fmt.hasProperty(QTextFormat::FontPointSize) ? fmt.fontPointSize() : m_defaultPointSize;
        f.halfPoints = std::clamp(qRound(points * 2), 1, kMaxHalfPoints);
        f.color = colorIndex(fmt);
        return f;
    }

    QString familyOf(const QTextCharFormat& fmt) const
    {
        if (fmt.hasProperty(QTextFormat::FontFamilies)) {
            const QStringList families = fmt.fontFamilies().toStringList();
            if (!families.isEmpty() && !families.first().isEmpty()) {
                return families.first();
            }
        }
        const QString family = fmt.stringProperty(QTextFormat::FontFamily);
        if (!family.isEmpty()) {
            return family;
        }
        return m_fonts.first();
    }

    int fontIndex(const QString& family)
    {
        qsizetype index = m_fonts.indexOf(family);
        if (index < 0) {
            index = m_fonts.size();
            m_fonts.append(family);
        }
        return int(index);
    }

    // Index into the colour table; 0 is the automatic colour.
    int colorIndex(const QTextCharFormat& fmt)
    {
        const QBrush brush = fmt.foreground();
        if (brush.style() == Qt::NoBrush) {
            return 0;
        }
        const QRgb rgb = brush.color().rgb();
        qsizetype index = m_colors.indexOf(rgb);
        if (index < 0) {
            index = m_colors.size();
            m_colors.append(rgb);
        }
        return int(index) + 1;
    }

    const QTextDocument& m_doc;
    qreal m_defaultPointSize = 12.0;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    QByteArray m_body;
    RunFormat m_current;
    bool m_needDelimiter = false;
};

// ---------------------------------------------------------------- reader

// Destinations whose content is not document text.
constexpr std::array kSkippedDestinations = {
    QByteArrayView("annotation"),
    QByteArrayView("atnauthor"),
    QByteArrayView("atnid"),
    QByteArrayView("author"),
    QByteArrayView("buptim"),
    QByteArrayView("colorschememapping"),
    QByteArrayView("comment"),
    QByteArrayView("creatim"),
    QByteArrayView("datastore"),
    QByteArrayView("doccomm"),
    QByteArrayView("fldinst"),
    QByteArrayView("filetbl"),
    QByteArrayView("footer"),
    QByteArrayView("footerf"),
    QByteArrayView("footerl"),
    QByteArrayView("footerr"),
    QByteArrayView("footnote"),
    QByteArrayView("ftncn"),
    QByteArrayView("ftnsep"),
    QByteArrayView("ftnsepc"),
    QByteArrayView("generator"),
    QByteArrayView("header"),
    QByteArrayView("headerf"),
    QByteArrayView("headerl"),
    QByteArrayView("headerr"),
    QByteArrayView("info"),
    QByteArrayView("keywords"),
    QByteArrayView("latentstyles"),
    QByteArrayView("listoverridetable"),
    QByteArrayView("listtable"),
    QByteArrayView("nonshppict"),
    QByteArrayView("object"),
    QByteArrayView("operator"),
    QByteArrayView("pict"),
    QByteArrayView("printim"),
    QByteArrayView("private"),
    QByteArrayView("revtbl"),
    QByteArrayView("revtim"),
    QByteArrayView("rsidtbl"),
    QByteArrayView("rxe"),
    QByteArrayView("stylesheet"),
    QByteArrayView("subject"),
    QByteArrayView("tc"),
    QByteArrayView("template"),
    QByteArrayView("themedata"),
    QByteArrayView("title"),
    QByteArrayView("txe"),
    QByteArrayView("xe"),
    QByteArrayView("xmlnstbl"),
};

// Control words that stand for one character.
struct SpecialChar {
    QByteArrayView word;
    char16_t ch;
};
constexpr std::array kSpecialChars = {
    SpecialChar{"bullet", 0x2022},       SpecialChar{"emdash", 0x2014},
    SpecialChar{"emspace", 0x2003},      SpecialChar{"endash", 0x2013},
    SpecialChar{"enspace", 0x2002},      SpecialChar{"ldblquote", 0x201C},
    SpecialChar{"lquote", 0x2018},       SpecialChar{"qmspace", 0x2005},
    SpecialChar{"rdblquote", 0x201D},    SpecialChar{"rquote", 0x2019},
    SpecialChar{"line", kLineSeparator}, SpecialChar{"tab", u'\t'},
    SpecialChar{"cell", u'\t'},          SpecialChar{"nestcell", u'\t'},
};

// Underline styles; all of them are read as plain underline.
constexpr std::array kUnderlineWords = {
    QByteArrayView("ul"),   QByteArrayView("uld"), QByteArrayView("uldash"), QByteArrayView("uldb"),
    QByteArrayView("ulth"), QByteArrayView("ulw"), QByteArrayView("ulwave"),
};

template <typename Range> bool contains(const Range& range, QByteArrayView word)
{
    return std::find(range.begin(), range.end(), word) != range.end();
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

const QString& windows1252Table()
{
    static const QString table = [] {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b) {
            all[b] = char(b);
        }
        return decodeWindows1252(all);
    }();
    return table;
}

class RtfReader {
public:
    RtfReader(const QByteArray& data, QTextDocument& doc)
        : m_data(data)
        , m_doc(doc)
    {}

    void read()
    {
        const bool undo = m_doc.isUndoRedoEnabled();
        m_doc.setUndoRedoEnabled(false);
        m_doc.clear();
        m_cursor = QTextCursor(&m_doc);
        m_cursor.beginEditBlock();
        m_stack.reserve(64);
        m_stack.push_back(State());

        parse();

        flushText();
        if (m_blockOpen) {
            applyBlockFormat();
        }
        m_cursor.endEditBlock();
        m_doc.setUndoRedoEnabled(undo);
    }

private:
    enum class Destination { Text, FontTable, ColorTable, Skip };

    struct CharState {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int font = 0;
        int halfPoints = kDefaultHalfPoints;
        int color = -1; // -1: the automatic colour

        bool operator==(const CharState&) const = default;
    };

    struct State {
        Destination dest = Destination::Text;
        CharState chars;
        Qt::Alignment align = Qt::AlignLeft;
        int unicodeSkip = 1; // \ucN
    };

    // Deeper groups share the state of the deepest kept one, so hostile
    // input cannot make the stack grow without bound.
    static constexpr size_t kMaxDepth = 4096;

    State& state() { return m_stack.back(); }

    void parse()
    {
        const qsizetype size = m_data.size();
        while (m_pos < size) {
            const char c = m_data[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                if (!closeGroup()) {
                    return;
                }
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
            case '\0':
                break;
            default:
                m_groupStart = false;
                textByte(uchar(c), false);
                break;
            }
        }
    }

    void openGroup()
    {
        m_skipFallback = 0;
        m_groupStart = true;
        if (m_stack.size() < kMaxDepth) {
            m_stack.push_back(state());
        } else {
            ++m_excessDepth;
        }
    }

    // False when the group that holds the whole document has ended.
    bool closeGroup()
    {
        m_skipFallback = 0;
        m_groupStart = false;
        if (m_excessDepth > 0) {
            --m_excessDepth;
            return true;
        }
        if (m_stack.size() == 1) {
            return true; // a stray closing brace
        }
        if (state().dest == Destination::FontTable) {
            storeFontName();
        }
        m_stack.pop_back();
        return m_stack.size() > 1;
    }

    void controlSequence()
    {
        const qsizetype size = m_data.size();
        if (m_pos >= size) {
            return; // the input ends after the backslash
        }
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        const char c = m_data[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c, groupStart);
            return;
        }

        const qsizetype start = m_pos;
        while (m_pos < size && isLetter(m_data[m_pos])) {
            ++m_pos;
        }
        const QByteArrayView word(m_data.constData() + start, m_pos - start);

        bool negative = false;
        if (m_pos + 1 < size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParam = false;
        int param = 0;
        while (m_pos < size && isDigit(m_data[m_pos])) {
            hasParam = true;
            // Saturates: the numbers that mean something are far smaller.
            param = std::min(param * 10 + (m_data[m_pos] - '0'), 99'999'999);
            ++m_pos;
        }
        if (negative) {
            param = -param;
        }
        if (m_pos < size && m_data[m_pos] == ' ') {
            ++m_pos;
        }
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c, bool groupStart)
    {
        if (c == '\'') {
            const qsizetype size = m_data.size();
            const int high = m_pos < size ? hexValue(m_data[m_pos]) : -1;
            const int low = m_pos + 1 < size ? hexValue(m_data[m_pos + 1]) : -1;
            if (high < 0 || low < 0) {
                return; // not a byte; what follows is read as it is
            }
            m_pos += 2;
            textByte(uchar(high * 16 + low), true);
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            textByte(uchar(c), true);
            return;
        }
        if (consumeFallback()) {
            return;
        }
        switch (c) {
        case '~':
            appendChar(kNoBreakSpace);
            break;
        case '-':
            appendChar(kSoftHyphen);
            break;
        case '_':
            appendChar(kNoBreakHyphen);
            break;
        case '*':
            // An ignorable destination: readers that do not know it skip
            // the whole group. It is only one when it opens a group.
            if (groupStart && m_excessDepth == 0 && m_stack.size() > 2) {
                state().dest = Destination::Skip;
            }
            break;
        case '\r':
        case '\n':
            // A backslash before a line end is a paragraph mark.
            if (state().dest == Destination::Text) {
                endParagraph();
            }
            break;
        default:
            break;
        }
    }

    void controlWord(QByteArrayView word, bool hasParam, int param)
    {
        if (word == "bin") {
            // Binary data of the given length follows; it is skipped as one
            // character, and its bytes must not be read as RTF.
            const qsizetype length = hasParam ? std::max(param, 0) : 0;
            m_pos += std::min(length, m_data.size() - m_pos);
            consumeFallback();
            return;
        }
        if (consumeFallback()) {
            return;
        }
        State& s = state();
        switch (s.dest) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            fontTableWord(word, hasParam, param);
            return;
        case Destination::ColorTable:
            colorTableWord(word, param);
            return;
        case Destination::Text:
            break;
        }

        if (word == "u") {
            unicodeChar(param);
            return;
        }
        for (const SpecialChar& special : kSpecialChars) {
            if (word == special.word) {
                appendChar(special.ch);
                return;
            }
        }
        CharState& chars = s.chars;
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "row") {
            endParagraph();
        } else if (word == "pard") {
            s.align = Qt::AlignLeft;
        } else if (word == "ql") {
            s.align = Qt::AlignLeft;
        } else if (word == "qc") {
            s.align = Qt::AlignHCenter;
        } else if (word == "qr") {
            s.align = Qt::AlignRight;
        } else if (word == "qj") {
            s.align = Qt::AlignJustify;
        } else if (word == "plain") {
            chars = CharState();
            chars.font = m_defaultFont;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (contains(kUnderlineWords, word)) {
            chars.underline = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "fs") {
            chars.halfPoints = param > 0 ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints;
        } else if (word == "cf") {
            chars.color = param;
        } else if (word == "f") {
            chars.font = param;
        } else if (word == "deff") {
            m_defaultFont = param;
            chars.font = param;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(param, 0, 1000);
        } else if (m_stack.size() > 2 && m_excessDepth == 0) {
            // Destinations only in a group of their own, never the document's.
            if (word == "fonttbl") {
                s.dest = Destination::FontTable;
                m_fontName.clear();
            } else if (word == "colortbl") {
                s.dest = Destination::ColorTable;
                startColor();
            } else if (contains(kSkippedDestinations, word)) {
                s.dest = Destination::Skip;
            }
        }
    }

    void fontTableWord(QByteArrayView word, bool hasParam, int param)
    {
        if (word == "f" && hasParam) {
            storeFontName();
            m_fontNumber = param;
        } else if (word == "u") {
            unicodeChar(param);
        } else if (contains(kSkippedDestinations, word)) {
            state().dest = Destination::Skip;
        }
    }

    void colorTableWord(QByteArrayView word, int param)
    {
        const int value = std::clamp(param, 0, 255);
        if (word == "red") {
            m_red = value;
        } else if (word == "green") {
            m_green = value;
        } else if (word == "blue") {
            m_blue = value;
        } else {
            return;
        }
        m_colorSet = true;
    }

    void unicodeChar(int param)
    {
        const int code = param < 0 ? param + 65536 : param;
        if (code < 0 || code > 0xFFFF) {
            return; // not a character; the fallback text stands in for it
        }
        appendChar(char16_t(code));
        m_skipFallback = state().unicodeSkip;
    }

    // After \u, the next characters are the fallback for readers that do not
    // know \u; a control word or symbol there counts as one character.
    bool consumeFallback()
    {
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return true;
        }
        return false;
    }

    // A byte of text; escaped is true for \'xx and \\ \{ \}, which never
    // have a meaning in the font or colour table.
    void textByte(uchar byte, bool escaped)
    {
        if (consumeFallback()) {
            return;
        }
        switch (state().dest) {
        case Destination::Text:
            appendChar(windows1252Table().at(byte).unicode());
            break;
        case Destination::FontTable:
            if (byte == ';' && !escaped) {
                storeFontName();
            } else {
                m_fontName += windows1252Table().at(byte);
            }
            break;
        case Destination::ColorTable:
            if (byte == ';' && !escaped) {
                m_colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
                startColor();
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void appendChar(char16_t c)
    {
        State& s = state();
        if (s.dest == Destination::FontTable) {
            m_fontName += QChar(c);
            return;
        }
        if (s.dest != Destination::Text) {
            return;
        }
        if (c == kParagraphSeparator) {
            c = kLineSeparator;
        }
        // Line ends inside text would split the block; the format has \par.
        if ((c < 0x20 && c != u'\t') || c == 0x7F || c == kObjectReplacement) {
            return;
        }
        if (!m_text.isEmpty() && !(m_textChars == s.chars)) {
            flushText();
        }
        if (m_text.isEmpty()) {
            m_textChars = s.chars;
        }
        m_text += QChar(c);
    }

    void flushText()
    {
        if (m_text.isEmpty()) {
            return;
        }
        openBlock();
        m_cursor.insertText(m_text, charFormat(m_textChars));
        m_text.clear();
    }

    void openBlock()
    {
        if (m_blockOpen) {
            return;
        }
        if (m_blockCount > 0) {
            m_cursor.insertBlock(QTextBlockFormat(), charFormat(state().chars));
        }
        m_blockOpen = true;
    }

    void applyBlockFormat()
    {
        QTextBlockFormat format;
        if (state().align != Qt::AlignLeft) {
            format.setAlignment(state().align);
        }
        m_cursor.setBlockFormat(format);
    }

    void endParagraph()
    {
        flushText();
        openBlock();
        applyBlockFormat();
        m_blockOpen = false;
        ++m_blockCount;
    }

    QTextCharFormat charFormat(const CharState& chars) const
    {
        QTextCharFormat format;
        if (chars.bold) {
            format.setFontWeight(QFont::Bold);
        }
        if (chars.italic) {
            format.setFontItalic(true);
        }
        if (chars.underline) {
            format.setFontUnderline(true);
        }
        format.setFontPointSize(chars.halfPoints / 2.0);
        const auto font = m_fonts.constFind(chars.font);
        if (font != m_fonts.constEnd()) {
            format.setFontFamilies(QStringList{*font});
        }
        if (chars.color >= 0 && chars.color < m_colors.size() && m_colors[chars.color].isValid()) {
            format.setForeground(m_colors[chars.color]);
        }
        return format;
    }

    void storeFontName()
    {
        const QString name = m_fontName.trimmed();
        if (!name.isEmpty() && !m_fonts.contains(m_fontNumber)) {
            m_fonts.insert(m_fontNumber, name);
        }
        m_fontName.clear();
    }

    void startColor()
    {
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }

    const QByteArray& m_data;
    QTextDocument& m_doc;
    QTextCursor m_cursor;
    qsizetype m_pos = 0;

    std::vector<State> m_stack;
    size_t m_excessDepth = 0;
    bool m_groupStart = false;
    int m_skipFallback = 0;

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = 0;
    QString m_fontName;

    QList<QColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;

    QString m_text;
    CharState m_textChars;
    bool m_blockOpen = false;
    int m_blockCount = 0;
};

} // namespace

QByteArray writeRtf(const QTextDocument& doc)
{
    return RtfWriter(doc).write();
}

void readRtf(const QByteArray& data, QTextDocument& doc)
{
    RtfReader(data, doc).read();
}

bool looksLikeRtf(const QByteArray& data)
{
    QByteArrayView rest(data);
    if (rest.startsWith("\xEF\xBB\xBF")) {
        rest = rest.sliced(3);
    }
    while (!rest.isEmpty() && (rest.front() == ' ' || rest.front() == '\t' ||
                               rest.front() == '\r' || rest.front() == '\n')) {
        rest = rest.sliced(1);
    }
    return rest.startsWith("{\\rtf");
}

Status loadDescription(const QString& path, QTextDocument& doc)
{
    QByteArray data;
    const Status status = readWholeFile(path, data);
    if (!status) {
        return status;
    }
    if (looksLikeRtf(data)) {
        readRtf(data, doc);
    } else {
        doc.setPlainText(splitLines(decodeWindows1252(data)).join(u'\n'));
    }
    return Status::success();
}

Status saveDescription(const QString& path, const QTextDocument& doc)
{
    return writeFileAtomically(path, writeRtf(doc));
}

} // namespace vm
