#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vm {

// The light symbols of the "Licht" box, in the order of the box. A symbol
// with "F" is a light switched with function key F0.
QStringList lightSymbols();

// The number of the light pictogram for a symbol, or -1 when no pictogram is
// shown: for the empty symbol, a symbol not in the box, and on the accessory
// list.
int lightPictogram(const QString& symbol, bool accessoryList);

// Whether the light of a symbol is switched with F0 (the symbol holds a
// capital "F").
bool isSwitchableLight(const QString& symbol);

// The text F0 shows for a switchable light: every "F" of the symbol replaced
// by " Licht ", so "F<>" gives " Licht <>".
QString automaticLightText(const QString& symbol);

// Whether a function key value is such an automatic light text. It is neither
// stored as the F0 setting nor offered as a function name.
bool isAutomaticLightText(const QString& value);

// The light symbol after F0 is set: F0 "Licht" makes a fixed light, such as
// ">", switchable ("F>"). Any other case keeps the symbol.
QString switchedLightSymbol(const QString& symbol, const QString& f0);

// The function names list with the values of F0 to F20 added: values that are
// not empty, not yet in the list (letter case ignored) and no automatic light
// text are appended, then the list is sorted without regard to letter case.
QStringList addFunctionNames(QStringList names, const QStringList& values);

// Keys of the record settings that keep the digital entries.
struct RecordSettingKey {
    QStringView section;
    QStringView key;
};

inline constexpr QStringView kDigitalSection = u"Digital";
// "Function0" and "Function5" to "Function20" in kDigitalSection; an empty
// text for the other keys, which are kept under their own sections below.
QString functionSettingKey(int functionKey);

inline constexpr RecordSettingKey kSoundSetting{u"Sound", u"Sound"};
inline constexpr RecordSettingKey kHlaSetting{u"HLA", u"HLA"};
inline constexpr RecordSettingKey kLightSetting{u"Light", u"LED"};
inline constexpr RecordSettingKey kMiscSetting{u"Misc", u"SET"};

} // namespace vm
