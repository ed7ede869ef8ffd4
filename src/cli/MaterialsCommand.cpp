#include "MaterialsCommand.h"

#include "CliLanguage.h"
#include "CliOutput.h"
#include "JsonWriter.h"

#include <model/Material.h>
#include <model/MaterialList.h>
#include <model/ProgramInfo.h>
#include <model/UserDirectories.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

QString MaterialsCommand::synopsis() const {
    return tr("materials [options]          list the material database");
}

QString MaterialsCommand::usage() const {
    return tr("Usage: hygrolux2-cli materials [--json|--csv] [--category N] [--filter WORDS] [--user-dir DIR]\n"
              "Lists the system materials, the built-in air space and the user materials: id, name, category, "
              "rho,\nlambda, mu, w80, wsat, A_w and flags.\n\n"
              "Options:\n"
              "  --json             JSON array instead of a table\n"
              "  --csv              comma-separated values with a header line, the keys of --json\n"
              "  --category N       only materials of category N (0..12, 13 unknown)\n"
              "  --filter WORDS     only materials whose name (in any language) or product name contains every\n"
              "                     word (plain text, any letter case; \"quotes\" for a phrase)\n"
              "  --user-dir DIR     directory of the user database (default: %1)\n\n"
              "Units: rho kg/m3, lambda W/(m K), w80 and wsat m3/m3, A_w kg/(m2 s^0.5).\n\n"
              "Exit codes: 0 listed, 1 bad usage, 2 standard output could not be written, 3 listed with a warning "
              "(user directory missing or not a directory, damaged user database).")
        .arg(UserDirectories::defaultUserMaterialsDir());
}

int MaterialsCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption csvOption(QStringLiteral("csv"));
    const QCommandLineOption category(QStringLiteral("category"), QString(), QStringLiteral("N"));
    const QCommandLineOption filter(QStringLiteral("filter"), QString(), QStringLiteral("WORDS"));
    const QCommandLineOption userDir(QStringLiteral("user-dir"), QString(), QStringLiteral("DIR"));
    parser.addOptions({jsonOption, csvOption, category, filter, userDir});
    int exitCode = ExitSuccess;
    if (!parse(parser, arguments, exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return usageError(tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(jsonOption) && parser.isSet(csvOption))
        return usageError(tr("Choose one of --json and --csv."));
    int categoryFilter = -1;
    if (parser.isSet(category)) {
        bool ok = false;
        categoryFilter = parser.value(category).toInt(&ok);
        if (!ok || categoryFilter < 0 || categoryFilter > Material::UnknownCategory)
            return usageError(tr("--category must be an integer from 0 to 13, not '%1'.").arg(parser.value(category)));
    }

    const QString directory =
        parser.isSet(userDir) ? parser.value(userDir) : UserDirectories::defaultUserMaterialsDir();
    MaterialList list(CliLanguage::current(), directory);
    list.setReadOnly(true);
    list.readDatabase(ProgramInfo::resourcesDir());
    // The tool never writes the database, so there is nothing to keep; the user still learns of the damage.
    bool warned = false;
    if (!list.damageText().isEmpty()) {
        CliOutput::printError(tr("warning: %1; the file is left as it is.").arg(list.damageText()));
        warned = true;
    }
    if (parser.isSet(userDir) && !QFileInfo(directory).isDir()) {
        CliOutput::printError(QFileInfo::exists(directory)
                                  ? tr("warning: %1: not a directory; no user materials listed.").arg(directory)
                                  : tr("warning: %1: not found; no user materials listed.").arg(directory));
        warned = true;
    }

    QVector<const Material *> materials;
    for (int i = 0; i < list.count(); ++i) {
        const Material *material = list.materialAt(i);
        if ((categoryFilter < 0 || material->category() == categoryFilter) &&
            matchesFilter(*material, parser.value(filter)))
            materials.append(material);
    }
    QByteArray text;
    if (parser.isSet(jsonOption))
        text = json(materials);
    else if (parser.isSet(csvOption))
        text = csv(materials);
    else
        text = table(materials).toUtf8();
    if (!CliOutput::write(text))
        return outputFailed();
    return warned ? ExitWarning : ExitSuccess;
}

bool MaterialsCommand::matchesFilter(const Material &material, const QString &filter) {
    // Words, or phrases in quotes; plain text, never a pattern.
    static const QRegularExpression wordPattern(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    auto words = wordPattern.globalMatch(filter);
    while (words.hasNext()) {
        const QRegularExpressionMatch match = words.next();
        const QString word = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        const QStringList texts = QStringList{material.name(), material.productName()} + material.otherNames();
        if (!std::any_of(texts.cbegin(), texts.cend(),
                         [&word](const QString &text) { return text.contains(word, Qt::CaseInsensitive); }))
            return false;
    }
    return true;
}

QString MaterialsCommand::table(const QVector<const Material *> &materials) {
    int nameWidth = 4;
    for (const Material *m : materials)
        nameWidth = std::max(nameWidth, int(m->name().size()));
    const QString format = QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9  %10\n");
    QString text = format.arg(QStringLiteral("id"), 6)
                       .arg(QStringLiteral("name"), -nameWidth)
                       .arg(QStringLiteral("category"), -26)
                       .arg(QStringLiteral("rho"), 8)
                       .arg(QStringLiteral("lambda"), 8)
                       .arg(QStringLiteral("mu"), 8)
                       .arg(QStringLiteral("w80"), 8)
                       .arg(QStringLiteral("wsat"), 8)
                       .arg(QStringLiteral("A_w"), 10)
                       .arg(QStringLiteral("flags"));
    for (const Material *m : materials) {
        text += format.arg(m->materialId(), 6)
                    .arg(m->name(), -nameWidth)
                    .arg(QStringLiteral("%1 %2").arg(m->category()).arg(Material::categoryName(m->category())), -26)
                    .arg(m->rho(), 8, 'g', 6)
                    .arg(m->lambda(), 8, 'g', 4)
                    .arg(m->mu(), 8, 'g', 6)
                    .arg(m->w_80(), 8, 'g', 4)
                    .arg(m->w_sat(), 8, 'g', 4)
                    .arg(m->Aw(), 10, 'g', 4)
                    .arg(flagNames(*m).join(QLatin1Char(',')));
    }
    return text;
}

QByteArray MaterialsCommand::json(const QVector<const Material *> &materials) {
    JsonWriter json;
    json.beginArray(JsonWriter::Block);
    for (const Material *m : materials) {
        json.beginObject();
        json.key(QStringLiteral("id"));
        json.value(m->materialId());
        json.key(QStringLiteral("name"));
        json.value(m->name());
        json.key(QStringLiteral("category"));
        json.value(m->category());
        json.key(QStringLiteral("categoryName"));
        json.value(Material::categoryName(m->category()));
        json.key(QStringLiteral("rho"));
        json.value(m->rho());
        json.key(QStringLiteral("lambda"));
        json.value(m->lambda());
        json.key(QStringLiteral("mu"));
        json.value(m->mu());
        json.key(QStringLiteral("w80"));
        json.value(m->w_80());
        json.key(QStringLiteral("wsat"));
        json.value(m->w_sat());
        json.key(QStringLiteral("Aw"));
        json.value(m->Aw());
        json.key(QStringLiteral("flags"));
        json.beginArray();
        for (const QString &flag : flagNames(*m))
            json.value(flag);
        json.endArray();
        json.endObject();
    }
    json.endArray();
    return json.text();
}

QByteArray MaterialsCommand::csv(const QVector<const Material *> &materials) {
    // A field with a comma, quote or line break is quoted, quotes doubled; numbers in the shortest text that
    // reads back to the same value.
    const auto field = [](const QString &text) {
        if (!text.contains(QRegularExpression(QStringLiteral("[,\"\r\n]"))))
            return text.toUtf8();
        return '"' + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8() + '"';
    };
    const auto number = [](double value) {
        return std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest) : QByteArray();
    };
    QByteArray text = "id,name,category,categoryName,rho,lambda,mu,w80,wsat,Aw,flags\n";
    for (const Material *m : materials) {
        text += QByteArray::number(m->materialId()) + ',' + field(m->name()) + ',' + QByteArray::number(m->category()) +
                ',' + field(Material::categoryName(m->category())) + ',' + number(m->rho()) + ',' +
                number(m->lambda()) + ',' + number(m->mu()) + ',' + number(m->w_80()) + ',' + number(m->w_sat()) + ',' +
                number(m->Aw()) + ',' + flagNames(*m).join(QLatin1Char(' ')).toUtf8() + '\n';
    }
    return text;
}

QStringList MaterialsCommand::flagNames(const Material &material) {
    QStringList names;
    if (material.isAir())
        names << QStringLiteral("air");
    if (material.isWood())
        names << QStringLiteral("wood");
    if (material.isWoodbased())
        names << QStringLiteral("woodBased");
    if (material.isFoil())
        names << QStringLiteral("foil");
    return names;
}
