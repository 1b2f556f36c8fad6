#include "core/playersettings.h"

#include <QSettings>

namespace zt {

namespace {

const QString group = QStringLiteral("Puntate");
const QString languageKey = QStringLiteral("Interfaccia/Lingua");
const QString boardScaleKey = QStringLiteral("Interfaccia/ScalaTavolo");

// A value as text (a list, as the format reads a value with commas, joined
// again).
QString text(const QSettings& s, const char* key)
{
    const QVariant v = s.value(QLatin1String(key));
    return v.userType() == QMetaType::QStringList ? v.toStringList().join(u',') : v.toString();
}

// A whole number of the group within [least, most], else the fallback.
double wholeValue(const QSettings& s, const char* key, double least, double most, double fallback)
{
    bool ok = false;
    const qlonglong n = text(s, key).toLongLong(&ok);
    return ok && n >= least && n <= most ? double(n) : fallback;
}

} // namespace

MoneyPreferences readMoneyPreferences(const QString& path)
{
    MoneyPreferences p;
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(group);
    BetSettings& b = p.bet;
    b.stake = Chips(wholeValue(s, "Puntata", 1, 1e9, double(b.stake)));
    b.target = Chips(wholeValue(s, "Obiettivo", 1, 1e9, double(b.target)));
    b.tableMax = Chips(wholeValue(s, "MassimoTavolo", 0, 1e9, double(b.tableMax)));
    b.bankroll = Chips(wholeValue(s, "Cassa", 0, StakeTable::ceiling, double(b.bankroll)));
    if (const auto chip = chipValue(text(s, "ValoreFiche")))
        b.chip = *chip;
    if (const auto chosen = withProgression(b, text(s, "Progressione")))
        b = *chosen;
    SimulationSettings& m = p.simulation;
    m.evenings = int(wholeValue(s, "Serate", 1, 10'000'000, m.evenings));
    m.spins = int(wholeValue(s, "UsciteSerata", 1, 1'000'000, m.spins));
    m.seed = std::uint64_t(wholeValue(s, "Seme", 0, 1e15, double(m.seed)));
    return p;
}

bool writeMoneyPreferences(const QString& path, const MoneyPreferences& p)
{
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(group);
    const BetSettings& b = p.bet;
    s.setValue(QStringLiteral("Puntata"), QString::number(b.stake));
    s.setValue(QStringLiteral("Progressione"), progressionText(b));
    s.setValue(QStringLiteral("Obiettivo"), QString::number(b.target));
    s.setValue(QStringLiteral("MassimoTavolo"), QString::number(b.tableMax));
    s.setValue(QStringLiteral("Cassa"), QString::number(b.bankroll));
    s.setValue(QStringLiteral("ValoreFiche"), QString::number(b.chip, 'g', 12));
    s.setValue(QStringLiteral("Serate"), QString::number(p.simulation.evenings));
    s.setValue(QStringLiteral("UsciteSerata"), QString::number(p.simulation.spins));
    s.setValue(QStringLiteral("Seme"), QString::number(p.simulation.seed));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

QString readLanguagePreference(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    const QString language = s.value(languageKey).toString();
    return language == u"it" || language == u"en" ? language : QString();
}

bool writeLanguagePreference(const QString& path, const QString& language)
{
    QSettings s(path, QSettings::IniFormat);
    if (language.isEmpty())
        s.remove(languageKey);
    else
        s.setValue(languageKey, language);
    s.sync();
    return s.status() == QSettings::NoError;
}

double readBoardScale(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    bool ok = false;
    const double scale = s.value(boardScaleKey).toString().toDouble(&ok);
    return ok && scale >= 1 && scale <= 4 ? scale : 1;
}

bool writeBoardScale(const QString& path, double scale)
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue(boardScaleKey, QString::number(scale, 'f', 3));
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace zt
