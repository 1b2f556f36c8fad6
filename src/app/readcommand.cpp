// `zentrima13 read --image FILE [--newest left|right]`: the numbers read from a
// picture of a casino's strip of last numbers, newest first, to check a
// set-up before an evening.

#include "readcommand.h"

#include "app/commands.h"
#include "commandio.h"
#include "core/playersettings.h"
#include "core/readersettings.h"
#include "reading/stripreader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageReader>

namespace zt {

namespace {

struct ReadText {
    Q_DECLARE_TR_FUNCTIONS(Read)
};

QString usage()
{
    return ReadText::tr(
        "Uso: zentrima13 read --image FILE [--newest left|right]\n"
        "Legge i numeri dall'immagine di una striscia di ultimi numeri di un casinò e li\n"
        "scrive dal più recente, separati da uno spazio.\n\n"
        "Opzioni:\n"
        "  --image FILE         l'immagine (PNG, JPEG, BMP…)\n"
        "  --newest left|right  a quale capo della striscia sta il numero più recente\n"
        "                       (predefinito: come scelto nel programma, se no left)\n"
        "  -h, --help           mostra questo aiuto\n\n"
        "Uscita: 0 fatto, 1 l'immagine non si può leggere, 2 opzioni non valide.\n");
}

} // namespace

int runRead(const QStringList& arguments)
{
    QCommandLineParser p;
    p.addOption({QStringLiteral("image"), {}, QStringLiteral("FILE")});
    p.addOption({QStringLiteral("newest"), {}, QStringLiteral("END")});
    p.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    if (!p.parse(arguments))
        return usageError(usage(), p.errorText());
    if (p.isSet(QStringLiteral("help")))
        return printOut(usage()) ? ExitOk : ExitFailure;
    if (!p.positionalArguments().isEmpty())
        return usageError(usage(), ReadText::tr("Argomento inatteso: %1.")
                                       .arg(shownArgument(p.positionalArguments().first())));
    if (!p.isSet(QStringLiteral("image")))
        return usageError(usage(), ReadText::tr("Serve --image FILE."));
    NewestEnd newest = readReaderSettings(QLatin1String(settingsFileName)).newest;
    if (p.isSet(QStringLiteral("newest"))) {
        const auto end = newestEndFromText(p.value(QStringLiteral("newest")));
        if (!end)
            return usageError(usage(), ReadText::tr("--newest vale left o right, non «%1».")
                                           .arg(shownArgument(p.value(QStringLiteral("newest")))));
        newest = *end;
    }

    const QString file = p.value(QStringLiteral("image"));
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull())
        return failWith(ExitFailure, ReadText::tr("%1 non si può leggere come immagine: %2.")
                                         .arg(shownArgument(file), reader.errorString()));
    StripReader strip;
    if (!strip.fault().isEmpty())
        return failWith(ExitFailure,
                        ReadText::tr("Il riconoscimento delle cifre non è pronto: manca il pacchetto "
                                     "%1.")
                            .arg(strip.fault()));
    const QList<int> numbers = strip.read(picture, newest);
    if (numbers.isEmpty())
        return failWith(ExitFailure,
                        ReadText::tr("In %1 non si vede nessun numero.").arg(shownArgument(file)));
    QStringList texts;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 0 || numbers[i] > 36)
            return failWith(ExitFailure,
                            ReadText::tr("In %1 il numero %2 dal più recente non si legge con "
                                         "sicurezza.")
                                .arg(shownArgument(file))
                                .arg(i + 1));
        texts << QString::number(numbers[i]);
    }
    return printOut(texts.join(u' ') + u'\n') ? ExitOk : ExitFailure;
}

} // namespace zt
