// The floor of `vantorelle get --volume C`: a minimal Qt Core program that opens the camera's
// file, reads it and prints it.
//   get_floor <camera folder>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    QFile file(QFile::decodeName(argv[1]) + QStringLiteral("/ActionConfig"));
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray bytes = file.readAll();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                   std::size_t(bytes.size())
               ? 0
               : 1;
}
