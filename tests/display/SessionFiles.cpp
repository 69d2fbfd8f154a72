#include "tests/display/SessionFiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <array>

#include "offer/OfferFile.h"

namespace tesmarik {

namespace {

const QByteArray kHead = QByteArray(kOfferFileSignature) + "\n";

const QByteArray kOffer = kHead +
                          "номер=101226-1530\n"
                          "начато=2026-12-10 15:30:00\n"
                          "клиент=ООО \"Трубстрой\"\n"
                          "комментарий=Доставка до станции Тайшет\\nвагонами\n"
                          "ндс=22\n"
                          "тс=0\n"
                          "прайс=10.12.2026\n"
                          "грузоподъёмность=60\n"
                          "действительно до=17.12.2026\n"
                          "условия поставки=Самовывоз со склада в г. Примерск\n"
                          "условия оплаты=100 % предоплата\n"
                          "менеджер=Иванов Иван Иванович\n"
                          "должность=Менеджер отдела продаж\n"
                          "телефон=+7 (000) 000-00-02\n"
                          "эл. почта=ivanov@tesmarik.example\n"
                          "позиция=n|530|8|17Г1С|ГОСТ 20295-85|78500|м|1000|11,3\n"
                          "позиция=n|57|3,5|20|ГОСТ 8732-78|78500|т|12,5|9,5\n"
                          "позиция=n|89|4|20|ГОСТ 8732-78|76500|шт.|40|10\n";

// A file of the first version: no capacity, terms or manager.
const QByteArray kFirstVersion =
    kHead +
    "номер=010126-0900\n"
    "начато=2026-01-01 09:00:00\n"
    "клиент=\n"
    "комментарий=\n"
    "ндс=20\n"
    "тс=2\n"
    "прайс=\n"
    "позиция=n|1020|14|17Г1С-У|ТУ 1381-012-05757848-2005|81000|т|100|11,3\n";

QByteArray Replaced(QByteArray text, const QByteArray& from, const QByteArray& to) {
    return text.replace(from, to);
}

}  // namespace

SessionFiles::SessionFiles() {
    if (!folder_.isValid()) {
        return;
    }
    Write("предложение.offer", kOffer);
    Write("старое.offer", kFirstVersion);
    valid_ = 2;
    Write("обрезанное.offer", kOffer.left(kOffer.size() / 2 + 3));
    Write("новый формат.offer", Replaced(kOffer, "формат 1", "формат 2"));
    Write("пустое.offer", {});
    QByteArray noise;
    std::mt19937 bytes(7);
    for (int i = 0; i < 3000; ++i) {
        noise.append(static_cast<char>(bytes() & 0xff));
    }
    Write("шум.offer", noise);
    Write("огромная цена.offer", Replaced(kOffer, "|78500|м|", "|1e308|м|"));
    Write("огромное количество.offer", Replaced(kOffer, "|76500|шт.|40|", "|76500|шт.|1e300|"));
    Write("31 февраля.offer", Replaced(kOffer, "2026-12-10", "2026-02-31"));
    Write("год 0.offer", Replaced(kOffer, "17.12.2026", "17.12.0000"));
    Write("нуль.offer", Replaced(kOffer, "Трубстрой", QByteArray("Труб") + '\0' + "строй"));
    Write("не utf-8.offer", Replaced(kOffer, "Тайшет", "\xd0\x54\xff\xfe"));
    Write("ключи не по порядку.offer", Replaced(kOffer, "ндс=22\nтс=0\n", "тс=0\nндс=22\n"));
    Write("не тот разделитель.offer", Replaced(kOffer, "|", ";"));
    Write("лишнее поле.offer", Replaced(kOffer, "|11,3\n", "|11,3|5\n"));
    Write("отрицательное.offer", Replaced(kOffer, "|1000|11,3", "|-1000|11,3"));
    Write("огромное.offer", kOffer + QByteArray(2 * 1024 * 1024, 'x'));
    Write("длинная строка.offer", Replaced(kOffer, "Тайшет", QByteArray(300000, 'a')));
    Write("windows.offer", Replaced(kOffer, "\n", "\r\n"));
    Write("bom.offer", "\xef\xbb\xbf" + kOffer);
    QDir(Folder()).mkdir("папка.offer");
    prepared_ << "папка.offer";
    const QString pipe = Folder() + "/канал.offer";
    if (mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0) {
        prepared_ << "канал.offer";
    }
    if (QFile::link("/dev/zero", Folder() + "/нули.offer")) {
        prepared_ << "нули.offer";
    }
    prepared_ << "нет такого.offer";
}

void SessionFiles::Write(const QString& name, const QByteArray& bytes) {
    QFile file(Folder() + "/" + name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) {
        prepared_ << name;
    }
}

QStringList SessionFiles::ValidOffers() const {
    return prepared_.mid(0, valid_);
}

QString SessionFiles::FileToOpen(std::mt19937& random) const {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    if (below(3) == 0) {
        // Whatever is there now: the session's own saves among them.
        const QStringList present =
            QDir(Folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        if (!present.isEmpty()) {
            return present.at(below(static_cast<int>(present.size())));
        }
    }
    // The valid ones as often as all the damaged ones together.
    const int which = below(2) == 0 ? below(valid_) : below(static_cast<int>(prepared_.size()));
    return prepared_.at(which);
}

QString SessionFiles::NameToSave(std::mt19937& random) const {
    const std::array<QString, 9> names = {
        "",
        "",
        "",
        "отчёт " + QString::number(random() % 5),
        "a b;c,d'e",
        QString(130, QChar(0x044F)),  // 260 bytes: longer than a file name may be
        "предложение.offer",
        "папка.offer",
        "нет такой папки/файл",
    };
    const QString name = names[random() % names.size()];
    return name;
}

QString RandomText(std::mt19937& random) {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    static const QStringList pieces = {
        "530",
        "11,5",
        "9.75",
        "-5",
        "0",
        "1e400",
        "1,2,3",
        "00012",
        "abc",
        "труба",
        "Сталь 20",
        "ГОСТ 8732-78",
        "ТУ 1381-012-05757848-2005",
        "ООО «Трубстрой»",
        "ёЁйЙщЩ",
        "=СУММ(A1:A3)",
        "+7 000",
        "@",
        "\t",
        "\n",
        "\r\n",
        "\r",
        " ",
        "трубы 🚀",
        "\u00a0",
        "\u200b",
        "½",
        "10\t20\t30",
        "\\",
        "|",
        "\"",
    };
    QString text;
    const int count = 1 + below(12);
    for (int i = 0; i < count; ++i) {
        switch (below(10)) {
            case 0: {  // a run of Cyrillic letters
                const int length = 1 + below(60);
                for (int j = 0; j < length; ++j) {
                    text += QChar(0x0410 + below(64));
                }
                break;
            }
            case 1:  // a long line
                if (below(4) == 0) {
                    text += QString(100 + below(6000), QChar(below(2) == 0 ? 'x' : 0x0416));
                    break;
                }
                [[fallthrough]];
            default:
                text += pieces.at(below(static_cast<int>(pieces.size())));
        }
    }
    return text;
}

}  // namespace tesmarik
