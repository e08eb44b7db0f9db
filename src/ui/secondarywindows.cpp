#include "ui/secondarywindows.h"

namespace vm {

SecondaryWindow::SecondaryWindow(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TAboutBox::TAboutBox(QWidget* parent)
    : SecondaryWindow("AboutBox", QStringLiteral("Informationen"), parent)
{
    setModal(true);
}

TFrmSearchCSV::TFrmSearchCSV(QWidget* parent)
    : SecondaryWindow("FrmSearchCSV", QStringLiteral("Produkt suchen"), parent)
{
    setModal(true);
}

TFrmSettings::TFrmSettings(QWidget* parent)
    : SecondaryWindow("FrmSettings", QStringLiteral("Einstellungen"), parent)
{
    setModal(true);
}

TFrmCollection::TFrmCollection(QWidget* parent)
    : SecondaryWindow("FrmCollection", QStringLiteral("Zugzusammenstellung"), parent)
{}

TFrmFilter::TFrmFilter(QWidget* parent)
    : SecondaryWindow("FrmFilter", QStringLiteral("Art filtern"), parent)
{
    setModal(true);
}

TFrmStat::TFrmStat(QWidget* parent)
    : SecondaryWindow("FrmStat", QStringLiteral("Velmarotte Statistik"), parent)
{}

TFrmWebBrowser::TFrmWebBrowser(QWidget* parent)
    : SecondaryWindow("FrmWebBrowser", QStringLiteral("Anzeige"), parent)
{
    setModal(false);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
}

TFrmBackup::TFrmBackup(QWidget* parent)
    : SecondaryWindow("FrmBackup", QStringLiteral("Datensicherung"), parent)
{
    setModal(true);
}

TFrmZugz::TFrmZugz(QWidget* parent)
    : SecondaryWindow("FrmZugz", QStringLiteral("Zugzusammenstellungen"), parent)
{}

} // namespace vm
