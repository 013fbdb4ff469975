#include "app/program_options.h"

#include "screens/screen_fixture.h"

#include <QFile>
#include <QFileInfo>

namespace plenwick::testing_support {

TEST(Settings, TheFileIsThePersonsAloneAndReadOnlyWhenItIsSmall)
{
    const QByteArray big = "[General]\nserver=http://b.example\n" + QByteArray(1 << 20, ';');
    // What the file held (none when empty), the address given, the server chosen, and a piece of the note.
    const std::tuple<QByteArray, std::optional<QString>, const char*, const char*> cases[] = {
        {"", "http://a.example", "http://a.example", ""},
        {"[General]\nserver=http://b.example\n", std::nullopt, "http://b.example", ""},
        {"[General]\nserver=http://u:p@b.example\n", std::nullopt, "http://127.0.0.1:8765", ""}, // edited in
        {big, "http://a.example", "http://a.example", "is larger than 1 MiB"},
        {big, std::nullopt, "http://127.0.0.1:8765", "Plenwick starts with its defaults"},
    };
    for (const auto& [held, given, server, note] : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath("Plenwick/Plenwick.conf");
        QDir(folder.path()).mkdir("Plenwick");
        QFile file(path);
        if (!held.isEmpty()) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(held) == held.size());
        }
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        const ServerChoice chosen = chooseServer(given, path, QUrl("http://127.0.0.1:8765"));
        EXPECT_EQ(chosen.server, QUrl(server)) << server;
        EXPECT_EQ(chosen.note.isEmpty(), !*note) << chosen.note.toStdString();
        EXPECT_TRUE(chosen.note.contains(note)) << chosen.note.toStdString();
        EXPECT_EQ(QFileInfo(path).permissions().testFlag(QFileDevice::ReadOther), *note != 0) << server;
        EXPECT_EQ(QFileInfo(path).size() == big.size(), held == big) << server; // left as it is
    }
}

} // namespace plenwick::testing_support
