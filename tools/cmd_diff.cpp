#include "tools/cmd_diff.h"

#include "tools/cmd_show.h"

#include "config/Configuration.h"
#include "config/Formatting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <vector>

using namespace fbe;

namespace {

// One setting of a configuration as the diff compares it: its place in show --json, its
// German name, its value there and the value as a reader wants to see it.
struct Setting {
    QString key;
    QString name;
    QJsonValue value;
    QString text;
};

QString version(int v)
{
    return QString::number(v / 256) + QLatin1Char('.') + PadLeft(2, QLatin1Char('0'), v % 256);
}

QString yesNo(bool b)
{
    return b ? QStringLiteral("ja") : QStringLiteral("nein");
}

quint64 number(const QJsonValue& v)
{
    return quint64(v.toDouble());
}

QString binary(const QJsonValue& v)
{
    return FormatNumber(2, 40, number(v));
}

QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// An interlock byte as the outputs it locks against (OUT 3 is 0x10, OUT 4 is 0x08 there).
QString partners(int byte)
{
    static const struct {
        int bit;
        const char* name;
    } outputs[] = {{0x01, "OUT1"}, {0x02, "OUT2"}, {0x10, "OUT3"}, {0x08, "OUT4"}};
    QStringList names;
    int rest = byte;
    for (const auto& o : outputs) {
        if (byte & o.bit)
            names << QLatin1String(o.name);
        rest &= ~o.bit;
    }
    if (rest)
        names << QStringLiteral("Bits 0x") + FormatNumber(1, 2, quint64(rest));
    return names.isEmpty() ? QStringLiteral("keine") : names.join(QLatin1Char(' '));
}

QString timeRasterText(bool coarse)
{
    return coarse ? QStringLiteral("2 s") : QStringLiteral("10 ms");
}

QString timebaseText(int base)
{
    static const char* const units[] = {"ms", "s", "min", "h"};
    return base >= 0 && base <= 3 ? QLatin1String(units[base]) : QString::number(base);
}

// Every setting in the order show prints them, the comment up to `commentLines` lines, then
// the image bytes that no setting holds (kept as they are by loading and saving).
std::vector<Setting> settingsOf(const QJsonObject& o, int commentLines)
{
    std::vector<Setting> list;
    auto add = [&](const QString& key, const QString& name, const QJsonValue& v,
                   const QString& text) { list.push_back({key, name, v, text}); };
    auto plain = [&](const QString& key, const QString& name, const QJsonValue& v) {
        add(key, name, v, v.isBool() ? yesNo(v.toBool()) : QString::number(number(v)));
    };
    auto ms = [&](const QString& key, const QString& name, const QJsonValue& v) {
        add(key, name, v, QString::number(number(v) * 10) + QStringLiteral(" ms"));
    };

    add(QStringLiteral("projectName"), QStringLiteral("Projektname"), o["projectName"],
        quoted(o["projectName"].toString()));
    add(QStringLiteral("softwareVersion"), QStringLiteral("Softwareversion"),
        o["softwareVersion"], version(o["softwareVersion"].toInt()));
    add(QStringLiteral("firmware"), QStringLiteral("Firmware"), o["firmware"],
        version(o["firmware"].toInt()));
    add(QStringLiteral("checksumOk"), QStringLiteral("Checksumme"), o["checksumOk"],
        o["checksumOk"].toBool() ? QStringLiteral("in Ordnung") : QStringLiteral("FEHLER"));
    plain(QStringLiteral("activeType"), QStringLiteral("Sendertyp"), o["activeType"]);

    const QJsonObject r = o["record"].toObject();
    add(QStringLiteral("record.bits"), QStringLiteral("Codierlänge"), r["bits"],
        QString::number(r["bits"].toInt()) + QStringLiteral(" Bit"));
    add(QStringLiteral("record.mask"), QStringLiteral("Prüfmaske"), r["mask"], binary(r["mask"]));
    static const struct {
        const char* key;
        const char* name;
    } decoder[] = {{"corrmain", "ref-correction"}, {"refmin", "ref-min"}, {"refmax", "ref-max"},
                   {"datmin", "dat-min"},          {"datmax", "dat-max"}, {"wait1", "wait1"},
                   {"wait2", "wait2"},             {"wait3", "wait3"},    {"typ", "typ"}};
    for (const auto& d : decoder)
        plain(QStringLiteral("record.") + QLatin1String(d.key),
              QStringLiteral("Decoder ") + QLatin1String(d.name), r[QLatin1String(d.key)]);

    add(QStringLiteral("parallelCodes"), QStringLiteral("Codes"), o["parallelCodes"],
        o["parallelCodes"].toBool() ? QStringLiteral("\"Parallel\"-Codes")
                                    : QStringLiteral("Fix-Codes (standard)"));

    const QJsonArray slotArray = o["slots"].toArray();
    for (int i = 0; i < slotArray.size(); ++i) {
        const QJsonObject s = slotArray.at(i).toObject();
        const QString key = QStringLiteral("slots[%1].").arg(i);
        const QString name = QStringLiteral("Code %1 ").arg(i + 1);
        plain(key + QStringLiteral("address"), name + QStringLiteral("Adresse"), s["address"]);
        add(key + QStringLiteral("function"), name + QStringLiteral("Funktion"), s["function"],
            QLatin1String(functionName(s["function"].toInt())));
        plain(key + QStringLiteral("timeCount"), name + QStringLiteral("Zeitschritte"),
              s["timeCount"]);
        add(key + QStringLiteral("timeRaster"), name + QStringLiteral("Zeitraster"),
            s["timeRaster"], timeRasterText(s["timeRaster"].toBool()));
        add(key + QStringLiteral("timebase"), name + QStringLiteral("Zeiteinheit"),
            s["timebase"], timebaseText(s["timebase"].toInt()));
        for (int k = 1; k <= 4; ++k)
            plain(key + QStringLiteral("out%1").arg(k), name + QStringLiteral("OUT%1").arg(k),
                  s[QStringLiteral("out%1").arg(k)]);
    }

    const int flags = o["optionFlags"].toInt();
    plain(QStringLiteral("pruefanzahl"), QStringLiteral("Prüfschärfe"), o["pruefanzahl"]);
    add(QStringLiteral("korrektur"), QStringLiteral("Korrektur"), o["korrektur"],
        QString::number(o["korrektur"].toInt()));
    ms(QStringLiteral("sperrzeit"), QStringLiteral("Sperrzeit"), o["sperrzeit"]);
    ms(QStringLiteral("umschaltzeit"), QStringLiteral("Umschaltzeit"), o["umschaltzeit"]);
    plain(QStringLiteral("optionFlags"), QStringLiteral("Not-Aus"), (flags & opt::NotAus) != 0);
    ms(QStringLiteral("TimeOut"), QStringLiteral("Not-Aus-Zeit"), o["TimeOut"]);
    plain(QStringLiteral("optionFlags"), QStringLiteral("mit Checksumme"),
          (flags & opt::Checksum) != 0);
    plain(QStringLiteral("store"), QStringLiteral("Speicherfunktion"), o["store"]);
    for (int k = 1; k <= 4; ++k)
        plain(QStringLiteral("initout%1").arg(k), QStringLiteral("Anfangswert OUT%1").arg(k),
              o[QStringLiteral("initout%1").arg(k)]);
    const QJsonArray interlock = o["interlock"].toArray();
    for (int k = 0; k < interlock.size(); ++k)
        add(QStringLiteral("interlock[%1]").arg(k),
            QStringLiteral("Verriegelung OUT%1").arg(k + 1), interlock.at(k),
            partners(interlock.at(k).toInt()));
    add(QStringLiteral("GeneralCode"), QStringLiteral("Generalcode"), o["GeneralCode"],
        binary(o["GeneralCode"]));
    add(QStringLiteral("direktmaske"), QStringLiteral("Direktmaske"), o["direktmaske"],
        binary(o["direktmaske"]));
    plain(QStringLiteral("dirshift"), QStringLiteral("Bitposition"), o["dirshift"]);
    plain(QStringLiteral("CheckBits"), QStringLiteral("Checkbits"), o["CheckBits"]);
    add(QStringLiteral("optionFlags"), QStringLiteral("Ausgabe"), (flags & opt::Direkt) != 0,
        (flags & opt::Direkt) ? QStringLiteral("Direktausgabe") : QStringLiteral("Codeinhalt"));
    const int otherFlags = flags & ~(opt::NotAus | opt::Checksum | opt::Direkt);
    add(QStringLiteral("optionFlags"), QStringLiteral("weitere Optionsbits"), otherFlags,
        QStringLiteral("0x") + FormatNumber(1, 2, quint64(otherFlags)));

    const QJsonArray comment = o["comment"].toArray();
    for (int n = 0; n < commentLines; ++n) {
        const QJsonValue line = n < comment.size() ? comment.at(n) : QJsonValue();
        add(QStringLiteral("comment[%1]").arg(n), QStringLiteral("Kommentar Zeile %1").arg(n + 1),
            line, line.isString() ? quoted(line.toString()) : QStringLiteral("(keine)"));
    }

    const QJsonArray image = o["image"].toArray();
    for (int k = 0; k < image.size(); ++k) {
        const bool free = k == 0 || k == 47 || (k > img::OptionFlags && k < img::SoftwareMajor);
        if (free)
            plain(QStringLiteral("image[%1]").arg(k), QStringLiteral("Byte %1").arg(k),
                  image.at(k));
    }
    return list;
}

int usage(QTextStream& err)
{
    err << "Aufruf: fbe-tool diff A.fbe B.fbe [--json]\n";
    return 2;
}

}  // namespace

int runDiffCommand(const QStringList& args)
{
    QTextStream err(stderr);
    QStringList files;
    bool json = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a.startsWith(QLatin1String("--")) || files.size() == 2)
            return usage(err);
        else
            files << a;
    }
    if (files.size() != 2)
        return usage(err);

    QJsonObject loaded[2];
    for (int i = 0; i < 2; ++i) {
        Configuration cfg;
        const LoadOutcome load = loadConfiguration(cfg, files[i]);
        if (!load.ok) {
            err << files[i] << ":  Fehler bei \"Datei laden!\"\n" << load.error << "\n";
            return 2;
        }
        printLoadWarnings(err, load, files[i] + QStringLiteral(": "));
        loaded[i] = configurationJson(cfg, load);
    }
    err.flush();

    const int commentLines = int(qMax(loaded[0]["comment"].toArray().size(),
                                      loaded[1]["comment"].toArray().size()));
    const std::vector<Setting> a = settingsOf(loaded[0], commentLines);
    const std::vector<Setting> b = settingsOf(loaded[1], commentLines);

    QTextStream out(stdout);
    QJsonArray differences;
    int width = 0;
    std::vector<size_t> differing;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].value != b[i].value) {
            differing.push_back(i);
            width = qMax(width, int(a[i].name.size()));
        }
    }
    for (size_t i : differing) {
        if (json) {
            differences.append(QJsonObject{{"key", a[i].key}, {"name", a[i].name},
                                           {"a", a[i].value}, {"b", b[i].value}});
        } else {
            out << (a[i].name + QLatin1Char(':')).leftJustified(width + 2) << a[i].text
                << " --> " << b[i].text << "\n";
        }
    }
    if (json)
        out << QJsonDocument(differences).toJson(QJsonDocument::Indented);
    return differing.empty() ? 0 : 1;
}
