#include "sampledata.h"

#include "collection/attachcell.h"
#include "collection/listfile.h"
#include "common/timestamp.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <array>
#include <cstdint>

namespace vm::bench {

namespace {

// A small fixed-seed generator, so every run benchmarks the same bytes.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : m_state(seed)
    {}

    // A number from 0 to n - 1.
    int below(int n)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_state >> 33) % std::uint64_t(n));
    }

    // True in about percent of all calls.
    bool chance(int percent) { return below(100) < percent; }

    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& values)
    {
        return values[std::size_t(below(int(N)))];
    }

private:
    std::uint64_t m_state;
};

// Column numbers of the vehicle layout.
enum Column {
    colNumber,
    colKind,
    colSeries,
    colRailway,
    colEpoch,
    colScale,
    colProducer,
    colArticle,
    colDrive,
    colAddress,
    colLight,
    colF1,
    colF2,
    colF3,
    colF4,
    colCondition,
    colBox,
    colAttach,
    colPrice,
    colDate,
    colBuilt,
    colCatalogue,
    colLength,
    colQuantity,
    colDigital,
};

const std::array<const char16_t*, 9> kKinds = {
    u"E-Lok",      u"Dampflok",    u"Diesellok",   u"Triebwagen",  u"Personenwagen",
    u"Güterwagen", u"Kesselwagen", u"Schienenbus", u"Steuerwagen",
};

const std::array<const char16_t*, 12> kSeries = {
    u"Baureihe 103 Ärger",
    u"Güterzuglok",
    u"BR 218 Dieselhydraulik",
    u"BR 01 Schnellzug",
    u"Re 4/4 II",
    u"Rh 1044",
    u"Krokodil Be 6/8",
    u"BR 50 mit Kabinentender",
    u"Schnellzugwagen 1./2. Klasse",
    u"Kühlwagen \"Bananenzug\"",
    u"Rungenwagen – beladen",
    u"Köf II",
};

const std::array<const char16_t*, 6> kRailways = {
    u"DB", u"ÖBB", u"SBB", u"DR", u"DB AG", u"K.Bay.Sts.B.",
};

const std::array<const char16_t*, 6> kEpochs = {u"I", u"II", u"III", u"IV", u"V", u"VI"};

const std::array<const char16_t*, 5> kScales = {u"H0", u"H0", u"H0", u"N", u"TT"};

const std::array<const char16_t*, 7> kProducers = {
    u"Rotmann",  u"Brücker",           u"Fahlberg", u"Kessling & Söhne",
    u"Weidauer", u"Löhnert Modellbau", u"Quast",
};

const std::array<const char16_t*, 5> kDrives = {u"Digital mfx", u"DCC Sound", u"Analog", u"MM",
                                                u""};

const std::array<const char16_t*, 6> kFunctions = {u"Licht",       u"Pfeife",   u"Fahrgeräusch",
                                                   u"Rangiergang", u"Kupplung", u""};

const std::array<const char16_t*, 5> kConditions = {u"neu", u"sehr gut", u"gut", u"bespielt",
                                                    u"defekt"};

const std::array<const char16_t*, 4> kDigitalFormats = {u"MM", u"DCC", u"mfx", u""};

const std::array<const char16_t*, 5> kPictureNames = {
    u"vorne.jpg", u"Seite links.jpg", u"Detail Führerstand.jpg", u"ovp.png", u"unten.jpg",
};

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

// German decimal text with up to two decimals and no trailing zeros: "129,5".
QString germanAmount(int cents)
{
    QString amount = QString::number(cents / 100);
    const int rest = cents % 100;
    if (rest != 0) {
        amount += u',' + QString::number(rest / 10);
        if (rest % 10 != 0) {
            amount += QString::number(rest % 10);
        }
    }
    return amount;
}

QString attachCell(Dice& dice, int record)
{
    // Each record has its own description file, named after the time it was
    // made; the first one is DESC-20240101-120000.txt.
    const QDateTime made(QDate(2024, 1, 1), QTime(12, 0, 0));
    const QString stamp = timeStamp(made.addSecs(qint64(record - 1) * 37));
    AttachCell attach;
    attach.descriptionFile = QStringLiteral("DESC-") + stamp + QStringLiteral(".txt");
    const int pictures = dice.below(4);
    for (int p = 0; p < pictures; ++p) {
        if (dice.chance(50)) {
            attach.pictures.append(QStringLiteral("PIC-") + stamp + u'-' + QString::number(p + 1) +
                                   QStringLiteral(".jpg"));
        } else {
            attach.pictures.append(text(dice.pick(kPictureNames)));
        }
    }
    if (dice.chance(10)) {
        attach.sparePartPath = QStringLiteral("C:\\Modellbahn\\Ersatzteile\\Teileliste ") +
                               QString::number(record) + QStringLiteral(".pdf");
    }
    return writeAttachCell(attach);
}

} // namespace

ItemList makeSampleVehicleList(int records)
{
    ItemList list = ItemList::empty(Layout::Vehicle);
    list.setRowCount(records + 1);
    Dice dice(20240101);
    for (int r = 1; r <= records; ++r) {
        list.setCell(r, colNumber, FormatRecordNumber(r));
        list.setCell(r, colKind, text(dice.pick(kKinds)));
        list.setCell(r, colSeries, text(dice.pick(kSeries)));
        list.setCell(r, colRailway, text(dice.pick(kRailways)));
        list.setCell(r, colEpoch, text(dice.pick(kEpochs)));
        list.setCell(r, colScale, text(dice.pick(kScales)));
        list.setCell(r, colProducer, text(dice.pick(kProducers)));
        if (dice.chance(90)) {
            QString article = QString::number(10000 + dice.below(90000));
            if (dice.chance(15)) {
                article += u".1";
            }
            list.setCell(r, colArticle, article);
        }
        list.setCell(r, colDrive, text(dice.pick(kDrives)));
        if (dice.chance(60)) {
            list.setCell(r, colAddress, QString::number(1 + dice.below(255)));
        }
        list.setCell(r, colLight, dice.chance(70) ? QStringLiteral("ja") : QStringLiteral("nein"));
        for (int f = colF1; f <= colF4; ++f) {
            if (dice.chance(40)) {
                list.setCell(r, f, text(dice.pick(kFunctions)));
            }
        }
        list.setCell(r, colCondition, text(dice.pick(kConditions)));
        list.setCell(r, colBox, dice.chance(80) ? QStringLiteral("ja") : QStringLiteral("nein"));
        if (dice.chance(85)) {
            list.setCell(r, colAttach, attachCell(dice, r));
        }
        const int price = 1500 + dice.below(40000);
        list.setCell(r, colPrice, germanAmount(price - price % 5));
        const QDate bought = QDate(1995, 1, 1).addDays(dice.below(30 * 365));
        list.setCell(r, colDate, bought.toString(QStringLiteral("dd.MM.yyyy")));
        if (dice.chance(70)) {
            list.setCell(r, colBuilt, QString::number(1970 + dice.below(55)));
        }
        if (dice.chance(50)) {
            list.setCell(r, colCatalogue, germanAmount(2000 + dice.below(50000)));
        }
        list.setCell(r, colLength, germanAmount(900 + dice.below(2000) * 10));
        list.setCell(r, colQuantity, dice.chance(95) ? QStringLiteral("1") : QStringLiteral("2"));
        list.setCell(r, colDigital, text(dice.pick(kDigitalFormats)));
    }
    return list;
}

} // namespace vm::bench
