// SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
// SPDX-License-Identifier: GPL-3.0-or-later
// The English catalogue is complete and current: lupdate, run over every source folder into a
// copy of translations/fbe_en.ts, finds no text without a finished translation (a text added
// or changed in the code) and none that the code no longer has.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// The folders of the program's code: every top-level folder but the tests, benchmarks,
// build folders (also the Debian build's obj-<triplet>), the Debian packaging and the
// catalogue itself.
QStringList sourceFolders(const QString& root)
{
    static const QRegularExpression skipped(
        QStringLiteral("^(tests|bench|build.*|translations|debian)$"));
    QStringList folders;
    for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!skipped.match(name).hasMatch()
            && !QFile::exists(QDir(root).filePath(name + QStringLiteral("/CMakeCache.txt"))))
            folders << QDir(root).filePath(name);
    return folders;
}

// "context: source (state)" for every message whose translation is not finished.
QStringList unfinishedMessages(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsPath};
    QStringList found;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString text = xml.readElementText();
            if (!type.isEmpty() || text.isEmpty())
                found << context + QStringLiteral(": ") + source.left(60).simplified()
                             + QStringLiteral(" (") + (type.isEmpty() ? QStringLiteral("empty") : type)
                             + QLatin1Char(')');
        }
    }
    if (xml.hasError())
        found << QStringLiteral("not readable: ") + xml.errorString();
    return found;
}

}  // namespace

TEST(Catalogue, EveryTextOfTheCodeHasAFinishedEnglishTranslation)
{
    const QString root = QStringLiteral(FBE_SOURCE_DIR);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("fbe_en.ts"));
    ASSERT_TRUE(QFile::copy(root + QStringLiteral("/translations/fbe_en.ts"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    // The catalogue as it stands has every translation finished ...
    EXPECT_EQ(unfinishedMessages(copy).join(QLatin1Char('\n')).toStdString(), "");

    // ... and lupdate finds nothing to add and nothing gone.
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(FBE_LUPDATE),
                  QStringList{QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-I"), root}
                      + sourceFolders(root) + QStringList{QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    EXPECT_EQ(unfinishedMessages(copy).join(QLatin1Char('\n')).toStdString(), "")
        << "cmake --build build --target update_translations, then translate in "
           "translations/fbe_en.ts";
}
