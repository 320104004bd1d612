#include "checker/cross_check.h"

#include <cstdlib>

#include "checker/clock_offset.h"
#include "checker/contest_calls.h"
#include "checker/qso_pairing.h"
#include "engine/exchange.h"

namespace kovra::check {
namespace {

// Wide enough to see a clock off by the free offset and a QSO at the tolerance.
constexpr int kFirstWindowTenths = (kMaxFreeOffsetMinutes + kToleranceMinutes) * 10;
constexpr int kFinalWindowTenths = kToleranceMinutes * 10;

void EstimateOffsets(const QsoPairing& pairing, std::vector<LogVerdict>& verdicts) {
  const std::vector<std::size_t> partner =
      pairing.Pair(std::vector<int>(verdicts.size()), kFirstWindowTenths);
  std::vector<std::vector<std::int64_t>> differences(verdicts.size());
  for (std::size_t id = 0; id < partner.size(); ++id) {
    if (partner[id] == QsoPairing::kNone) continue;
    differences[pairing.Ref(id).log].push_back(pairing.Minute(id) - pairing.Minute(partner[id]));
  }
  for (std::size_t log = 0; log < verdicts.size(); ++log) {
    LogVerdict& v = verdicts[log];
    v.clockOffsetTenths = EstimateOffsetTenths(std::move(differences[log]));
    v.clockOffsetTakenOut =
        v.clockOffsetTenths && std::abs(*v.clockOffsetTenths) <= kMaxFreeOffsetMinutes * 10;
  }
}

bool SameExchange(const CrossQso& receiver, const CrossQso& sender) {
  return NormaliseExchange(receiver.received).text == NormaliseExchange(sender.sent).text;
}

class Judge {
 public:
  Judge(const std::vector<CrossLog>& logs, ContestCalls& calls, const QsoPairing& pairing,
        const std::vector<int>& offsets, const std::vector<std::size_t>& partner)
      : logs_(logs), calls_(calls), pairing_(pairing), offsets_(offsets), partner_(partner) {}

  QsoVerdict operator()(QsoRef ref) const {
    const CrossQso& q = logs_[ref.log].qsos[ref.qso];
    if (q.single == QsoStatus::Repeat) return {q.single, false, Partner(ref)};
    if (q.single != QsoStatus::Counted) return {q.single, false, std::nullopt};
    const std::optional<QsoRef> partner = Partner(ref);
    if (calls_.Submitted(q.call)) {
      if (!partner) return {QsoStatus::NotInLog, false, NearestUnpaired(ref, q.call)};
      const CrossQso& theirs = logs_[partner->log].qsos[partner->qso];
      return {SameExchange(q, theirs) ? QsoStatus::Counted : QsoStatus::ExchangeError, false,
              partner};
    }
    if (partner) return {QsoStatus::BustedCall, false, partner};
    return {QsoStatus::Counted, !calls_.HeldElsewhere(q.call, ref.log), std::nullopt};
  }

 private:
  std::optional<QsoRef> Partner(QsoRef ref) const {
    const std::size_t other = partner_[pairing_.Id(ref)];
    if (other == QsoPairing::kNone) return std::nullopt;
    return pairing_.Ref(other);
  }

  std::optional<QsoRef> NearestUnpaired(QsoRef ref, const std::string& call) const {
    for (const std::uint32_t log : calls_.PartnerLogs(call)) {
      if (log == ref.log) continue;
      const std::size_t nearest =
          pairing_.NearestUnpaired(pairing_.Id(ref), log, offsets_, partner_);
      if (nearest != QsoPairing::kNone) return pairing_.Ref(nearest);
    }
    return std::nullopt;
  }

  const std::vector<CrossLog>& logs_;
  ContestCalls& calls_;
  const QsoPairing& pairing_;
  const std::vector<int>& offsets_;
  const std::vector<std::size_t>& partner_;
};

}  // namespace

std::vector<LogVerdict> CrossCheck(const std::vector<CrossLog>& logs) {
  ContestCalls calls(logs);
  const QsoPairing pairing(logs, calls);
  std::vector<LogVerdict> verdicts(logs.size());
  EstimateOffsets(pairing, verdicts);
  std::vector<int> offsets(logs.size());
  for (std::size_t log = 0; log < logs.size(); ++log) {
    if (verdicts[log].clockOffsetTakenOut) offsets[log] = *verdicts[log].clockOffsetTenths;
  }
  const std::vector<std::size_t> partner = pairing.Pair(offsets, kFinalWindowTenths);
  const Judge judge(logs, calls, pairing, offsets, partner);
  for (std::size_t log = 0; log < logs.size(); ++log) {
    LogVerdict& v = verdicts[log];
    v.qsos.reserve(logs[log].qsos.size());
    for (std::size_t qso = 0; qso < logs[log].qsos.size(); ++qso)
      v.qsos.push_back(judge({log, qso}));
  }
  return verdicts;
}

}  // namespace kovra::check
