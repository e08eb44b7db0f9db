#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace vm {

// What a decoder text in the "Antr./Dec." column stands for.
enum class DecoderClass {
    None,               // no decoder given
    DirectCurrent,      // "Gleichstrom"
    AlternatingCurrent, // "Wechselstrom"
    Delta,              // a Delta decoder, with its own small set of addresses
    OtherDigital,       // any other digital decoder
};

// The class of a decoder text. Blanks at both ends are ignored; the words
// "Gleichstrom" and "Wechselstrom" count only as written, with that letter
// case. On the accessory list every text counts as none.
DecoderClass decoderClass(const QString& decoder, bool accessoryList = false);

// Address, format and function keys can be edited for digital decoders only.
bool hasDigitalFields(DecoderClass decoderClass);

// Reads a whole number: blanks in front, an optional sign, then decimal digits
// and nothing else. Empty or blank text, and numbers out of the int range, are
// not whole numbers.
std::optional<int> readWholeNumber(QStringView text);

// The highest address the address box accepts.
constexpr int kMaxDecoderAddress = 10239;

// The choices of the address box: first a single blank, then the addresses a
// Delta decoder can be set to, or "01" to "255" for any other decoder.
QStringList addressChoices(const QString& decoder);

// The address box after its text changed: the corrected text, how often to
// beep and whether the editor state is updated. A text that is no whole number
// loses its last character, an address above kMaxDecoderAddress loses its last
// digit, and an address of zero or below empties the box; each correction
// beeps once.
struct AddressInput {
    QString text;
    int beeps = 0;
    bool updateState = false;

    bool operator==(const AddressInput&) const = default;
};
AddressInput checkAddressInput(const QString& text);

// The five-digit address display, digits from the ten-thousands to the units.
struct AddressDisplay {
    bool visible = false;
    std::array<int, 5> digits{};
    std::array<bool, 5> lit{};

    bool operator==(const AddressDisplay&) const = default;
};

// What the address display shows for an address text. No value means the
// display stays as it is: the text is no number. An empty text, a negative
// number and the accessory list hide the display. Leading zeros are not lit,
// tens and units always are.
std::optional<AddressDisplay> addressDisplay(const QString& address, bool accessoryList);

// The warning shown when an address cell written as CV values cannot be
// turned into an address.
inline constexpr QStringView kAddressErrorTitle = u"Adressfehler!";
inline constexpr QStringView kAddressErrorText =
    u"Fehler bei der Berechnung der Adresse!\n Bitte berichtigen!";

// The address of an address cell. A cell of three parts separated by "-" or
// commas holds a long address as CV values: the second part is CV17, the third
// CV18, and the address is (CV17 - 192) * 256 + CV18.
struct CellAddress {
    enum class Kind {
        Plain,     // the cell holds the address as it is
        Converted, // CV values turned into an address; the cell is rewritten
        Failed,    // CV values that give no address; a warning is shown
    };
    Kind kind = Kind::Plain;
    QString address;

    bool operator==(const CellAddress&) const = default;
};

// Converts an address cell. A cell of three parts gives Converted with the
// decimal address, or Failed with an empty address when the parts are no
// numbers or the address would be below 1. An empty cell is returned as it is;
// any other cell gives its first part.
CellAddress convertCvAddress(const QString& cell);

// The address of a cell when a record is shown: three parts are converted as
// above, any other cell gives its text up to the first blank, comma or "-",
// leading blanks ignored.
CellAddress addressFromCell(const QString& cell);

} // namespace vm
