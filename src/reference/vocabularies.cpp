#include "reference/vocabularies.h"

#include <algorithm>

namespace vm {

const QStringList& builtInProducers()
{
    static const QStringList items = {
        QStringLiteral("Arnold"),   QStringLiteral("Bemo"),
        QStringLiteral("Besig"),    QStringLiteral("Brawa"),
        QStringLiteral("Brekina"),  QStringLiteral("Electrotren"),
        QStringLiteral("Faller"),   QStringLiteral("Fleischmann"),
        QStringLiteral("Fulgurex"), QStringLiteral("Gützold"),
        QStringLiteral("Herpa"),    QStringLiteral("Ibertrain"),
        QStringLiteral("Jouef"),    QStringLiteral("Kadee"),
        QStringLiteral("Kato"),     QStringLiteral("Kibri"),
        QStringLiteral("Kiss"),     QStringLiteral("Kuehn"),
        QStringLiteral("Lemaco"),   QStringLiteral("LGB"),
        QStringLiteral("Liliput"),  QStringLiteral("Lima"),
        QStringLiteral("Märklin"),  QStringLiteral("Mehano"),
        QStringLiteral("PIKO"),     QStringLiteral("Pola"),
        QStringLiteral("Preiser"),  QStringLiteral("Rivarossi"),
        QStringLiteral("ROCO"),     QStringLiteral("Sachsenmodelle"),
        QStringLiteral("Schuco"),   QStringLiteral("Tillig"),
        QStringLiteral("Trix"),     QStringLiteral("Vollmer"),
        QStringLiteral("Weinert"),  QStringLiteral("Wiking"),
    };
    return items;
}

const QStringList& builtInRailCompanies()
{
    static const QStringList items = {
        QString(),
        QStringLiteral("BR"),
        QStringLiteral("CFL"),
        QStringLiteral("CP"),
        QStringLiteral("DB"),
        QStringLiteral("DR"),
        QStringLiteral("DRG"),
        QStringLiteral("DSB"),
        QStringLiteral("FS"),
        QStringLiteral("G.O.E."),
        QStringLiteral("K.Bay.Sts.B."),
        QStringLiteral("K.Sächs.Sts.E.B."),
        QStringLiteral("K.W.St.E."),
        QStringLiteral("KPEV"),
        QStringLiteral("MFFE"),
        QStringLiteral("NS"),
        QStringLiteral("NSB"),
        QStringLiteral("NWB"),
        QStringLiteral("ÖBB"),
        QStringLiteral("PKP"),
        QStringLiteral("RENFE"),
        QStringLiteral("RŽD"),
        QStringLiteral("SBB"),
        QStringLiteral("SJ"),
        QStringLiteral("SNCB"),
        QStringLiteral("SNCF"),
    };
    return items;
}

const QStringList& builtInDecoders()
{
    static const QStringList items = {
        QString(),
        QStringLiteral("Delta Mä"),
        QStringLiteral("Dig. Märklin"),
        QStringLiteral("Dig. Roco"),
        QStringLiteral("Digital"),
        QStringLiteral("Digitrain"),
        QStringLiteral("Gleichstrom"),
        QStringLiteral("Lenz"),
        QStringLiteral("Wechselstrom"),
    };
    return items;
}

const QStringList& defaultFunctionNames()
{
    static const QStringList items = {
        QString(),
        QStringLiteral("Anfahrb. AUS"),
        QStringLiteral("Ankuppelgeräusch"),
        QStringLiteral("Bahnhofsansage"),
        QStringLiteral("Betriebsgeräusch"),
        QStringLiteral("Bremsenquitschen aus"),
        QStringLiteral("Dampf ablassen"),
        QStringLiteral("Direktsteuerung"),
        QStringLiteral("Fahrgeräusch"),
        QStringLiteral("Fahrw. Bel."),
        QStringLiteral("Fernlicht"),
        QStringLiteral("Führerstandsbeleuchtung"),
        QStringLiteral("Glocke"),
        QStringLiteral("Injektor"),
        QStringLiteral("Innenbeleuchtung"),
        QStringLiteral("Kabinenfunk"),
        QStringLiteral("Kohle schaufeln"),
        QStringLiteral("Kupplung"),
        QStringLiteral("Licht"),
        QStringLiteral("Licht1"),
        QStringLiteral("Licht2"),
        QStringLiteral("Licht3"),
        QStringLiteral("Licht4"),
        QStringLiteral("Lokpfiff"),
        QStringLiteral("Lüfter"),
        QStringLiteral("Luftpumpe"),
        QStringLiteral("Pfeife1"),
        QStringLiteral("Pfeife2"),
        QStringLiteral("Rangier"),
        QStringLiteral("Rangierpfiff"),
        QStringLiteral("Rauch"),
        QStringLiteral("S1 aus Spitzensignal"),
        QStringLiteral("S2 aus Spitzensignal"),
        QStringLiteral("Sanden"),
        QStringLiteral("Schaffnerpfiff"),
        QStringLiteral("Schienenstoß"),
        QStringLiteral("Schüttelrost"),
        QStringLiteral("Sound"),
        QStringLiteral("Türen öffnen"),
        QStringLiteral("Türen schließen"),
        QStringLiteral("Zugbegegnungslicht"),
    };
    return items;
}

const QStringList& locomotiveArts()
{
    static const QStringList items = {QStringLiteral("Dampf"), QStringLiteral("Diesel"),
                                      QStringLiteral("Elektro"), QStringLiteral("Sonstige Lok"),
                                      QStringLiteral("Triebwagen")};
    return items;
}

const QStringList& wagonArts()
{
    static const QStringList items = {QStringLiteral("Personen"), QStringLiteral("Güter"),
                                      QStringLiteral("Schlafwagen"), QStringLiteral("Speisewagen"),
                                      QStringLiteral("Spezial")};
    return items;
}

const QStringList& accessoryArts()
{
    static const QStringList items = {
        QStringLiteral("Gleismaterial"), QStringLiteral("Elekrisches Zubehör"),
        QStringLiteral("Signal"),        QStringLiteral("Modellauto"),
        QStringLiteral("Modellhaus"),    QStringLiteral("Modellfigur"),
        QStringLiteral("Leuchten"),      QStringLiteral("Sonstiges")};
    return items;
}

QStringList artVocabulary(int listIndex)
{
    QStringList items;
    switch (listIndex) {
    case 0:
        items = locomotiveArts();
        break;
    case 1:
        items = wagonArts();
        break;
    case 2:
        items = accessoryArts();
        break;
    default:
        items = locomotiveArts() + wagonArts() + accessoryArts();
        break;
    }
    sortChoices(items);
    return items;
}

const QStringList& scales()
{
    static const QStringList items = {
        QStringLiteral("0"),   QStringLiteral("1"),  QStringLiteral("H0"), QStringLiteral("H0e"),
        QStringLiteral("H0m"), QStringLiteral("TT"), QStringLiteral("N"),  QStringLiteral("Z")};
    return items;
}

const QStringList& epochs()
{
    static const QStringList items = {
        QStringLiteral("I"),  QStringLiteral("II"), QStringLiteral("IIa"), QStringLiteral("III"),
        QStringLiteral("IV"), QStringLiteral("V"),  QStringLiteral("VI"),  QStringLiteral("VII")};
    return items;
}

const QStringList& conditions()
{
    static const QStringList items = {
        QStringLiteral("1 = Originalzustand mit OVP"),
        QStringLiteral("2 = Keine OVP oder nachtr, Decoder"),
        QStringLiteral("3 = Leicht bespielt, keine techn. Mängel"),
        QStringLiteral("4 = Stark bespielt, keine techn. Mängel"),
        QStringLiteral("5 = Sehr stark bespielt oder leicht defekt"),
        QStringLiteral("6 = technisch und optisch defekt"),
    };
    return items;
}

const QStringList& digitalFormats()
{
    static const QStringList items = {QString(),
                                      QStringLiteral("DCC"),
                                      QStringLiteral("MM2"),
                                      QStringLiteral("mfx"),
                                      QStringLiteral("Selectrix"),
                                      QStringLiteral("FMZ")};
    return items;
}

namespace {

// Lower case, umlauts and accents folded onto their base letter, "ß" as "ss".
QString collationKey(const QString& text)
{
    QString key;
    key.reserve(text.size());
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (c == u'ß') {
            key += QStringLiteral("ss");
        } else {
            key += c;
        }
    }
    return key;
}

} // namespace

bool collatesBefore(const QString& a, const QString& b)
{
    const int byKey = QString::compare(collationKey(a), collationKey(b));
    if (byKey != 0) {
        return byKey < 0;
    }
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void sortChoices(QStringList& items)
{
    std::stable_sort(items.begin(), items.end(), collatesBefore);
}

int indexOfIgnoringCase(const QStringList& items, const QString& text)
{
    for (int i = 0; i < items.size(); ++i) {
        if (QString::compare(items[i], text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int insertSorted(QStringList& items, const QString& text)
{
    const auto at = std::upper_bound(items.begin(), items.end(), text, collatesBefore);
    const int index = int(at - items.begin());
    items.insert(index, text);
    return index;
}

} // namespace vm
