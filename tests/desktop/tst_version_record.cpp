// The Windows version record and icon, compiled here with the MinGW resource compiler into a
// .res file and read back entry by entry, as Windows reads them from the program file.
#include "resources/palette16.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

constexpr quint16 kIcon = 3;
constexpr quint16 kGroupIcon = 14;
constexpr quint16 kVersion = 16;
constexpr quint16 kItalian = 0x0410;

struct Resource {
    quint16 type = 0;
    quint16 name = 0;
    quint16 language = 0;
    QByteArray data;
};

quint16 word(const QByteArray& bytes, qsizetype at) {
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}
quint32 dword(const QByteArray& bytes, qsizetype at) {
    return quint32(word(bytes, at)) | quint32(word(bytes, at + 2)) << 16;
}
qsizetype aligned(qsizetype at) {
    return (at + 3) & ~qsizetype(3);
}

// A .res file is a run of entries, each a header and its data, both padded to 4 bytes. Names
// and types here are all numbers: 0xFFFF followed by the ordinal.
QList<Resource> readRes(const QByteArray& file) {
    QList<Resource> entries;
    for (qsizetype at = 0; at + 32 <= file.size();) {
        const quint32 dataSize = dword(file, at);
        const quint32 headerSize = dword(file, at + 4);
        Resource entry;
        if (word(file, at + 8) == 0xFFFF && word(file, at + 12) == 0xFFFF) {
            entry.type = word(file, at + 10);
            entry.name = word(file, at + 14);
            entry.language = word(file, at + 22);
        }
        entry.data = file.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            entries.append(entry); // the empty first entry only marks the file format
        at = aligned(at + headerSize + dataSize);
    }
    return entries;
}

// A node of the version record: a key, a value, and child nodes.
struct Node {
    QString key;
    QByteArray value;
    bool text = false;
    QList<Node> children;
};

Node readNode(const QByteArray& bytes, qsizetype at) {
    Node node;
    const qsizetype end = at + word(bytes, at);
    const quint16 valueLength = word(bytes, at + 2);
    node.text = word(bytes, at + 4) == 1;
    qsizetype cursor = at + 6;
    while (word(bytes, cursor) != 0) {
        node.key.append(QChar(word(bytes, cursor)));
        cursor += 2;
    }
    cursor = aligned(cursor + 2);
    // A text value's length counts UTF-16 units, a binary one's bytes.
    const qsizetype valueBytes = node.text ? valueLength * 2 : valueLength;
    node.value = bytes.mid(cursor, valueBytes);
    cursor = aligned(cursor + valueBytes);
    while (cursor < end) {
        node.children.append(readNode(bytes, cursor));
        cursor = aligned(cursor + word(bytes, cursor));
    }
    return node;
}

std::optional<Node> child(const Node& parent, const QString& key) {
    for (const Node& node : parent.children)
        if (node.key == key)
            return node;
    return std::nullopt;
}

QString textOf(const Node& node) {
    QString text;
    for (qsizetype at = 0; at + 1 < node.value.size(); at += 2)
        if (const quint16 unit = word(node.value, at); unit != 0)
            text.append(QChar(unit));
    return text;
}

} // namespace

class VersionRecord : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QList<Resource> entries;

    const Resource* find(quint16 type) const {
        for (const Resource& entry : entries)
            if (entry.type == type)
                return &entry;
        return nullptr;
    }

  private slots:
    void initTestCase() {
        const QString windres = VENTRIMO_WINDRES;
        QVERIFY2(!windres.isEmpty(), "x86_64-w64-mingw32-windres was not found when configuring: "
                                     "install binutils-mingw-w64-x86-64 (scripts/deps.sh --test)");
        const QString output = dir.filePath("ventrimo.res");
        QProcess compiler;
        compiler.setProcessChannelMode(QProcess::MergedChannels);
        // The host compiler stands in for the MinGW one as the preprocessor.
        compiler.start(windres, {"--preprocessor=" VENTRIMO_PREPROCESSOR, "--preprocessor-arg=-E",
                                 "--preprocessor-arg=-xc", "--preprocessor-arg=-DRC_INVOKED", "-I",
                                 VENTRIMO_ICON_DIR, "-i", VENTRIMO_RC, "-o", output, "-O", "res"});
        QVERIFY2(compiler.waitForFinished(60000), qPrintable(compiler.errorString()));
        QVERIFY2(compiler.exitStatus() == QProcess::NormalExit && compiler.exitCode() == 0,
                 compiler.readAll().constData());
        QFile res(output);
        QVERIFY(res.open(QIODevice::ReadOnly));
        entries = readRes(res.readAll());
        QVERIFY(!entries.isEmpty());
    }

    void everyEntryIsItalian() {
        for (const Resource& entry : entries)
            QCOMPARE(entry.language, kItalian);
    }

    void fixedVersionIsOneZero() {
        const Resource* version = find(kVersion);
        QVERIFY(version);
        const Node root = readNode(version->data, 0);
        QCOMPARE(root.key, QString("VS_VERSION_INFO"));
        QCOMPARE(root.value.size(), 52);
        QCOMPARE(dword(root.value, 0), 0xFEEF04BDu);
        QCOMPARE(dword(root.value, 8), 0x00010000u);  // file version 1.0
        QCOMPARE(dword(root.value, 12), 0x00000000u); // .0.0
        QCOMPARE(dword(root.value, 16), 0x00010000u); // product version 1.0
        QCOMPARE(dword(root.value, 20), 0x00000000u);
        QCOMPARE(dword(root.value, 32), 0x40004u); // for 32-bit Windows
        QCOMPARE(dword(root.value, 36), 0x1u);     // an application
    }

    void strings_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("file version") << "FileVersion"
                                      << "1.00";
        QTest::newRow("product version") << "ProductVersion"
                                         << "1.00";
        QTest::newRow("product name") << "ProductName"
                                      << "ventrimo";
        QTest::newRow("internal name") << "InternalName"
                                       << "ventrimo";
        QTest::newRow("original file name") << "OriginalFilename"
                                            << "ventrimo.exe";
    }

    void strings() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        const Resource* version = find(kVersion);
        QVERIFY(version);
        const auto table = child(readNode(version->data, 0), "StringFileInfo");
        QVERIFY(table);
        const auto italian = child(*table, "041004B0"); // Italian, code page 1200
        QVERIFY(italian);
        const auto string = child(*italian, key);
        QVERIFY2(string, qPrintable(key));
        QVERIFY(string->text);
        QCOMPARE(textOf(*string), value);
    }

    void translationIsItalianUnicode() {
        const Resource* version = find(kVersion);
        QVERIFY(version);
        const auto vars = child(readNode(version->data, 0), "VarFileInfo");
        QVERIFY(vars);
        const auto translation = child(*vars, "Translation");
        QVERIFY(translation);
        QCOMPARE(translation->value.size(), 4);
        QCOMPARE(word(translation->value, 0), kItalian);
        QCOMPARE(word(translation->value, 2), quint16(1200));
    }

    void iconIsTheXpmInSixteenColours() {
        const Resource* group = find(kGroupIcon);
        QVERIFY(group);
        QCOMPARE(word(group->data, 4), quint16(1)); // one image
        QCOMPARE(quint8(group->data[6]), quint8(32));
        QCOMPARE(quint8(group->data[7]), quint8(32));
        QCOMPARE(quint8(group->data[8]), quint8(16)); // colours
        QCOMPARE(word(group->data, 12), quint16(4));  // bits a pixel

        const Resource* icon = find(kIcon);
        QVERIFY(icon);
        const QByteArray& bitmap = icon->data;
        QCOMPARE(dword(bitmap, 4), 32u);
        QCOMPARE(dword(bitmap, 8), 64u); // colours and mask
        QCOMPARE(word(bitmap, 14), quint16(4));
        QCOMPARE(bitmap.size(), 40 + 16 * 4 + 32 * 16 + 32 * 4);
        for (int i = 0; i < 16; ++i) {
            const qsizetype at = 40 + 4 * i;
            QCOMPARE(qRgb(quint8(bitmap[at + 2]), quint8(bitmap[at + 1]), quint8(bitmap[at])),
                     palette16::kColours[std::size_t(i)]);
        }

        const QImage source(VENTRIMO_XPM);
        QCOMPARE(source.size(), QSize(32, 32));
        const qsizetype colours = 40 + 16 * 4;
        const qsizetype mask = colours + 32 * 16;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int row = 31 - y; // bottom-up
                const quint8 pair = quint8(bitmap[colours + row * 16 + x / 2]);
                const int index = x % 2 == 0 ? pair >> 4 : pair & 0xF;
                const bool clear = quint8(bitmap[mask + row * 4 + x / 8]) & (0x80 >> (x % 8));
                const QRgb pixel = source.pixel(x, y);
                const QByteArray where = QString("%1,%2").arg(x).arg(y).toLatin1();
                QVERIFY2(clear == (qAlpha(pixel) == 0), where.constData());
                if (!clear)
                    QVERIFY2(index == palette16::indexOf(pixel), where.constData());
            }
    }
};

QTEST_GUILESS_MAIN(VersionRecord)
#include "tst_version_record.moc"
