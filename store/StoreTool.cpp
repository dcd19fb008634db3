// tarvo-store: writes and checks the data store file Tarvo.mdb.
//
//   tarvo-store create [--force] FILE   a new empty store
//   tarvo-store demo   [--force] FILE   a new store with sample data
//   tarvo-store check  FILE             integrity, references, id and version

#include "store/Store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

const char Usage[] =
    "Использование / Usage:\n"
    "  tarvo-store create [--force] FILE   новое пустое хранилище / a new empty store\n"
    "  tarvo-store demo   [--force] FILE   хранилище с примером данных / a store with sample data\n"
    "  tarvo-store check  FILE             проверка хранилища / check a store\n"
    "Существующий файл заменяется только с --force / An existing file is replaced only with --force.\n";

enum ExitCode { Ok = 0, Problem = 1, BadUsage = 2 };

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out << Usage;
        return Ok;
    }
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    if (args.size() != 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        err << Usage;
        return BadUsage;
    }
    const QString command = args.at(0);
    const QString path = args.at(1);

    if (command == QLatin1String("create") || command == QLatin1String("demo")) {
        if (QFileInfo::exists(path) && !force) {
            err << QStringLiteral("Файл «%1» уже существует; чтобы заменить его, укажите --force\n")
                       .arg(path);
            return Problem;
        }
        const QString error = command == QLatin1String("create")
                                  ? tarvo::store::create(path, force)
                                  : tarvo::store::demo(path, force);
        if (!error.isEmpty()) {
            err << QStringLiteral("Ошибка: %1\n").arg(error);
            return Problem;
        }
        out << (command == QLatin1String("create")
                    ? QStringLiteral("Создано пустое хранилище «%1»\n")
                    : QStringLiteral("Создано хранилище с примером данных «%1»\n")).arg(path);
        return Ok;
    }
    if (command == QLatin1String("check")) {
        if (force) {
            err << Usage;
            return BadUsage;
        }
        const QString problems = tarvo::store::check(path);
        if (!problems.isEmpty()) {
            err << QStringLiteral("Хранилище «%1» не в порядке:\n%2\n").arg(path, problems);
            return Problem;
        }
        out << QStringLiteral("Хранилище «%1» в порядке (версия схемы %2)\n")
                   .arg(path).arg(tarvo::store::schemaVersion());
        return Ok;
    }
    err << Usage;
    return BadUsage;
}
