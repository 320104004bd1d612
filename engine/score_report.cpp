#include "engine/score_report.h"

namespace kovra {
namespace {

std::string Row(const std::string& label, std::size_t qsos, int points) {
  return label + "\t " + std::to_string(qsos) + "\t " + std::to_string(points) + "\r\n";
}

}  // namespace

ContestResult BuildContestResult(const ContactLog& log, BandList& bands,
                                 const std::string& titleDate, const std::string& callsign) {
  ContestResult report;
  report.text =
      "VELMORA " + titleDate + " \r\n     Contestant: " + callsign + "\r\nBand\tQSOs\tPoints\r\n";
  bands.SortForReport();
  for (const std::string& band : bands.bands()) {
    const int count = log.CountedOnBand(band);
    report.text += Row(band, count, count);
    report.score += count;
  }
  report.text += Row("Total", log.size(), report.score);
  report.text += "\r\nScore: " + std::to_string(report.score) + "\r\n";
  return report;
}

}  // namespace kovra
