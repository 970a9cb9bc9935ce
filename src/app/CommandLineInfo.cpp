#include "CommandLineInfo.h"

#include "ResultExport.h"

#include <cstdio>
#include <cstring>

namespace cli {

namespace {

QString helpText() {
    return QStringLiteral(
               "Brisrundan, tävlingsdesken vid mållinjen.\n\n"
               "Användning:\n"
               "  brisrundan                            startar desken\n"
               "  brisrundan --export UT TÄVLING.dat    skriver resultatlistan för TÄVLING.dat till "
               "UT utan att visa något fönster;\n"
               "                                        filändelsen bestämmer formatet: %1\n"
               "  brisrundan --help                     visar den här hjälpen\n"
               "  brisrundan --version                  visar versionen\n")
        .arg(results::exportExtensionsText());
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

QString usageLine() {
    QStringList outs;
    for (const results::ExportFormatInfo& f : results::exportFormats())
        outs << QStringLiteral("UT.") + QString::fromLatin1(f.extension);
    return QStringLiteral("Användning: brisrundan --export %1 TÄVLING.dat").arg(outs.join(QLatin1Char('|')));
}

std::optional<int> runInfoCommand(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const char* option = argv[1];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
        print(stdout, helpText());
        return 0;
    }
    if (std::strcmp(option, "--version") == 0) {
        print(stdout, QStringLiteral("Brisrundan %1\n").arg(QStringLiteral(BRISRUNDAN_VERSION)));
        return 0;
    }
    if (std::strcmp(option, "--export") == 0 || option[0] != '-') return std::nullopt;
    print(stderr, QStringLiteral("Okänt val: %1\n\n").arg(QString::fromLocal8Bit(option)) + helpText());
    return 2;
}

} // namespace cli
