#include "tools/replay_texts.h"

#include <string_view>

namespace kovra::replay {
namespace {

struct Entry {
  ReplayText id;
  std::string_view english, russian;
};

constexpr Entry kTexts[] = {
    {ReplayText::Replayed, "Replayed {1} QSO records for {2}.",
     "Пересчитано записей QSO: {1}, позывной {2}."},
    {ReplayText::ScoreReturned, "Score returned: {1}", "Результат, отданный плагином: {1}"},
    {ReplayText::NoRepeats, "Repeats within a tour: none", "Повторные связи в туре: нет"},
    {ReplayText::Repeats, "Repeats within a tour: {1}", "Повторные связи в туре: {1}"},
    {ReplayText::Tour, "tour {1}", "тур {1}"},
    {ReplayText::RepeatLine, "{1}: record {2} at {3}, again record {4} at {5}",
     "{1}: запись {2} в {3}, снова запись {4} в {5}"},
    {ReplayText::Station, "{1} on {2} {3}", "{1} на {2} {3}"},
    {ReplayText::NoTime, "(no time)", "(без времени)"},
    {ReplayText::Identical, "Identical records, kept once by the plug-in: {1}",
     "Одинаковые записи, плагин учитывает их один раз: {1}"},
    {ReplayText::IdenticalLine, "{1}: record {2} repeats record {3}",
     "{1}: запись {2} повторяет запись {3}"},
    {ReplayText::NoPluginsFolder, "No Plugins folder: the settings file could not be kept",
     "Нет папки Plugins: файл настроек сохранить не удалось"},
    {ReplayText::OutputBox, "\"Output\" box: {1}", "Окно «Output»: {1}"},
    {ReplayText::NoneSeen, "(none seen)", "(не появлялось)"},
    {ReplayText::CabrilloWritten, "Cabrillo log: {1}, written", "Отчёт Cabrillo: {1}, записан"},
    {ReplayText::CabrilloUnchanged,
     "Cabrillo log: {1}, not written: the file there is unchanged from before",
     "Отчёт Cabrillo: {1}, не записан: файл остался прежним"},
    {ReplayText::CabrilloMissing, "Cabrillo log: {1}, not written: no such file",
     "Отчёт Cabrillo: {1}, не записан: такого файла нет"},
    {ReplayText::UnsafeCallsign,
     "the contestant's callsign \"{1}\" holds a character no Windows file name may hold "
     "(<>:\"|?* or a control character): its Cabrillo log {2} cannot be written on Windows",
     "позывной участника «{1}» содержит знак, недопустимый в имени файла Windows (<>:\"|?* "
     "или управляющий символ): отчёт {2} в Windows не записать"},
    {ReplayText::RecordNote, "{1}: record {2}: {3}", "{1}: запись {2}: {3}"},
    {ReplayText::NoCall, "no CALL; replayed with an empty call",
     "нет CALL; передана с пустым позывным"},
    {ReplayText::InvalidTime, "no valid QSO_DATE and TIME_ON; the time is sent as invalid",
     "нет верных QSO_DATE и TIME_ON; время передано как недействительное"},
    {ReplayText::NoFreq, "no FREQ", "нет FREQ"},
    {ReplayText::FreqAbove32Bits,
     "FREQ \"{1}\" is above {2} MHz, the most the host's 32-bit Hz field holds",
     "FREQ «{1}» больше {2} МГц — больше, чем вмещает 32-битное поле частоты в Гц"},
    {ReplayText::FreqNotNumber, "FREQ \"{1}\" is not a frequency in MHz",
     "FREQ «{1}» — не частота в МГц"},
    {ReplayText::SentBandEdge, "sent as {1} kHz, the lower edge of band {2}",
     "передана частота {1} кГц, нижняя граница диапазона {2}"},
    {ReplayText::SentZeroHz, "sent as 0 Hz", "передано 0 Гц"},
    {ReplayText::NoBand, "no BAND and no FREQ in a band; band left empty",
     "нет BAND, и FREQ не лежит ни в одном диапазоне; диапазон оставлен пустым"},
    {ReplayText::CutOff, "the file ends before this record's <EOR>",
     "файл кончается раньше <EOR> этой записи"},
};

constexpr bool EveryTextOnceInOrder() {
  std::size_t i = 0;
  for (const Entry& e : kTexts) {
    if (static_cast<std::size_t>(e.id) != i++) return false;
  }
  return i == static_cast<std::size_t>(ReplayText::Count);
}
static_assert(EveryTextOnceInOrder());

}  // namespace

std::string Say(ReplayText text, Language language, const std::vector<std::string>& args) {
  const Entry& entry = kTexts[static_cast<std::size_t>(text)];
  return check::FillSlots(language == Language::Russian ? entry.russian : entry.english, args);
}

std::string Say(const Note& note, Language language) {
  std::string text;
  for (const Phrase& phrase : note) {
    text += (text.empty() ? "" : "; ") + Say(phrase.text, language, phrase.args);
  }
  return text;
}

}  // namespace kovra::replay
