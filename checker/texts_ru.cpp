#include "checker/text_table.h"

namespace kovra::check {
namespace {

constexpr TextEntry kRussian[] = {
    {Text::EmptyFile, "Файл пуст: отчёта в нём нет."},
    {Text::Utf16,
     "Файл в кодировке UTF-16 («Юникод» в Блокноте): сохраните его как ANSI "
     "(кодовая страница 1251) или UTF-8 и проверьте снова."},
    {Text::NoStart,
     "Отчёт не начинается со START-OF-LOG: 3.0; робот организатора может его "
     "отвергнуть."},
    {Text::StartVersion2,
     "START-OF-LOG указывает Cabrillo 2.0: роботы его принимают, но "
     "отчёты этого соревнования — 3.0."},
    {Text::StartVersion, "START-OF-LOG указывает версию «{1}», а нужна 3.0."},
    {Text::StartAgain,
     "Второй START-OF-LOG (первый в строке {1}): не склеены ли два отчёта "
     "в одном файле?"},
    {Text::ByteOrderMark,
     "Файл начинается с метки порядка байтов UTF-8: некоторые роботы не "
     "видят за ней START-OF-LOG."},
    {Text::NoEnd, "Отчёт кончается здесь без END-OF-LOG: похоже, файл обрезан."},
    {Text::AfterEnd,
     "Строки после END-OF-LOG (их {1}): робот их пропустит или отвергнет "
     "отчёт, и они не проверяются."},
    {Text::NoTag, "Строка не начинается с тега (имени и двоеточия)."},
    {Text::UnknownTag, "«{1}» — не тег Cabrillo 3.0."},
    {Text::UnknownTagNear, "«{1}» — не тег Cabrillo 3.0: имеется в виду {2}?"},
    {Text::Version2Tag, "{1} — тег Cabrillo 2.0; в версии 3.0 такого тега нет."},
    {Text::TagAgain,
     "{1} встречается снова (впервые в строке {2}); робот возьмёт только "
     "один."},
    {Text::ControlCharacter,
     "В строке управляющий символ, какого в отчёте Cabrillo не "
     "бывает."},
    {Text::FieldMissing, "Строку QSO не прочитать: не хватает поля «{1}»."},
    {Text::FieldNotNumber, "Строку QSO не прочитать: {1} «{2}» — не число."},
    {Text::ExtraFields,
     "Строку QSO не прочитать: в ней больше полей, чем в строках этого "
     "соревнования, начиная с «{1}»."},
    {Text::NoDateTime, "У QSO нет даты и времени: организатор не сможет отнести его к туру."},
    {Text::BadDate, "Дата «{1}» — не настоящая дата вида гггг-мм-дд."},
    {Text::BadTime, "Время «{1}» — не время UTC вида ччмм."},
    {Text::NoCallsign, "Нет строки CALLSIGN."},
    {Text::EmptyCallsign, "CALLSIGN пуст."},
    {Text::OwnCallDiffers, "Свой позывной «{1}» отличается от CALLSIGN «{2}»."},
    {Text::NoContest, "Нет строки CONTEST; в отчётах этого соревнования стоит CONTEST: {1}."},
    {Text::OtherContest, "CONTEST — «{1}», а не {2}: не отчёт ли это другого соревнования?"},
    {Text::NoClaimed, "Нет строки CLAIMED-SCORE."},
    {Text::ClaimedNotNumber, "CLAIMED-SCORE «{1}» — не целое число."},
    {Text::ClaimedDiffers, "Заявленный результат {1} отличается от проверенного {2}."},
    {Text::UnknownMode, "Вид связи «{1}» — не из {2}."},
    {Text::OutOfBand,
     "Частота «{1}» не лежит ни в одном любительском диапазоне от 160 до "
     "10 м."},
    {Text::DecimalFrequency,
     "Частота «{1}» записана с дробной частью; в Cabrillo пишут целые "
     "кГц."},
    {Text::SentRefused,
     "Переданный номер «{1}» не принимается: нужно число из трёх или "
     "четырёх цифр, кроме 599, затем, если есть, пробел и код области."},
    {Text::ReceivedRefused,
     "Принятый номер «{1}» — не три цифры, за которыми, если есть, "
     "пробел и код области."},
    {Text::Repeat,
     "{1} снова на {2} {3} в туре с {4}, впервые в строке {5}: организатор это "
     "QSO не засчитает."},
    {Text::FieldFrequency, "частота"},
    {Text::FieldMode, "вид связи"},
    {Text::FieldDate, "дата"},
    {Text::FieldTime, "время"},
    {Text::FieldOwnCall, "свой позывной"},
    {Text::FieldRstSent, "переданный RST"},
    {Text::FieldSent, "переданный номер"},
    {Text::FieldCall, "позывной корреспондента"},
    {Text::FieldRstReceived, "принятый RST"},
    {Text::FieldReceived, "принятый номер"},
    {Text::Error, "ошибка"},
    {Text::Warning, "предупреждение"},
    {Text::Line, "строка"},
    {Text::None, "нет"},
    {Text::MoreOfCode, "... и ещё {1} с кодом {2}"},
    {Text::EncodingAscii, "ASCII"},
    {Text::EncodingUtf8, "UTF-8"},
    {Text::EncodingUtf8Bom, "UTF-8 с меткой порядка байтов"},
    {Text::EncodingCp1251, "кодовая страница 1251"},
    {Text::EncodingUtf16, "UTF-16"},
    {Text::Heading, "{1}: CALLSIGN {2}, CONTEST {3}, прочитан как {4}"},
    {Text::Problems, "Ошибок: {1}, предупреждений: {2}"},
    {Text::NoProblems, "Замечаний нет."},
    {Text::ScoreHeading, "Результат"},
    {Text::QsoLines, "строк QSO"},
    {Text::Unreadable, "нечитаемых (не засчитаны)"},
    {Text::WithoutCall, "без позывного корреспондента (не засчитаны)"},
    {Text::Repeats, "повторов в туре (не засчитаны)"},
    {Text::CheckedScore, "проверенный результат"},
    {Text::ClaimedScore, "заявленный результат"},
    {Text::ToursHeading, "Туры (UTC): QSO по диапазонам"},
    {Text::TourDate, "дата"},
    {Text::TourStart, "тур"},
    {Text::TourRepeats, "повторы"},
    {Text::NoTours, "Нет QSO с верным временем."},
    {Text::NearEdgesHeading,
     "QSO в пределах минуты от границы тура (при неточных часах они "
     "попадают в соседний тур):"},
    {Text::VerdictErrors,
     "Ошибок: {1}. Робот организатора отвергнет отчёт или эти QSO: "
     "исправьте их перед отправкой."},
    {Text::VerdictWarnings, "Ошибок нет; предупреждений: {1} — посмотрите их перед отправкой."},
    {Text::VerdictClean, "Ни ошибок, ни предупреждений: отчёт готов к отправке."},
    {Text::CrossHeading, "Сверено с отчётами других станций: {1}."},
    {Text::BustedCalls, "искажённых позывных (не засчитаны)"},
    {Text::NotInLog, "не найдено в отчёте корреспондента (не засчитаны)"},
    {Text::ExchangeErrors, "ошибок в принятом номере (не засчитаны)"},
    {Text::UniqueCalls, "уникальных позывных (засчитаны)"},
    {Text::ClockOffset,
     "Часы: {1} мин. относительно других отчётов; учтено при сравнении "
     "времени."},
    {Text::ClockOffsetTooLarge,
     "Часы: {1} мин. относительно других отчётов, больше {2}: не "
     "учтено, и QSO с таким расхождением не найдены."},
    {Text::NoClockOffset, "Часы: ни одно QSO не найдено в других отчётах, сравнить не с чем."},
    {Text::NotCountedHeading, "Незасчитанные QSO:"},
    {Text::AllCounted, "Засчитаны все QSO."},
    {Text::WhyUnreadable, "не читается"},
    {Text::WhyNoCall, "нет позывного корреспондента"},
    {Text::WhyRepeat, "повтор строки {1} в том же туре"},
    {Text::WhyBusted, "искажён позывной: {1} отчёт не присылал, а {2} записал это QSO с вами"},
    {Text::WhyNotInLog, "нет в отчёте {1}"},
    {Text::WhyNotInLogNearest,
     "нет в отчёте {1}: ближайшее QSO с вами на этом диапазоне и виде "
     "связи расходится на {2} мин."},
    {Text::WhyExchange, "ошибка в номере: принято {1}, {2} передал {3}"},
    {Text::YourLine, "ваша"},
    {Text::TheirLine, "{1}, строка {2}"},
    {Text::UniquesHeading,
     "Уникальные позывные (засчитаны; их нет в других отчётах, и сами они "
     "отчёт не присылали):"},
    {Text::Usage,
     "Запуск: kovra-check [--json] [--lang en|ru] [--out ПАПКА] ОТЧЁТ.cbr... | ПАПКА\n"
     "Проверяет отчёты Cabrillo соревнования Velmora: что отвергнет робот организатора,\n"
     "повторы в туре и какой результат останется. Если отчётов два и больше или указана\n"
     "папка (все .cbr в ней), сверяет каждое QSO с отчётом корреспондента.\n"
     "  --json          вывести один документ JSON вместо отчётов о проверке\n"
     "  --lang en|ru    язык отчётов о проверке (по умолчанию — язык пользователя)\n"
     "  --out ПАПКА     записать в ПАПКУ results.csv и отчёт по каждому логу (ПОЗЫВНОЙ.txt)\n"
     "  --version       вывести версию и закончить\n"
     "Код выхода: 0 ошибок нет, 1 есть ошибка, 2 неверная команда или файл не прочитать\n"
     "или не записать.\n"},
    {Text::UnknownOption, "неизвестный параметр {1}"},
    {Text::BadLanguage, "--lang принимает en или ru"},
    {Text::NoLogGiven, "не указан файл отчёта"},
    {Text::NoOutFolder, "после --out укажите папку"},
    {Text::CannotRead, "не прочитать {1}: {2}"},
    {Text::PressEnter, "Нажмите Enter, чтобы закрыть окно."},
    {Text::LeftOut, "не прочитать {1}: {2}; этот отчёт пропущен, остальные проверяются"},
    {Text::NoLogsInFolder, "в папке {1} нет файлов .cbr"},
    {Text::CannotWrite, "не записать {1}: {2}"},
    {Text::ProgressReading, "чтение отчётов: {1} из {2}"},
    {Text::ProgressCrossCheck, "перекрёстная проверка: {1} строк QSO в {2} отчётах"},
    {Text::ProgressWriting, "запись results.csv и отчётов ({1}) в {2}"},
};
static_assert(InEnumOrder(kRussian));

}  // namespace

std::string_view RussianText(Text text) { return kRussian[static_cast<std::size_t>(text)].text; }

}  // namespace kovra::check
