#include "tools/native_calls.h"

#include "engine/exports.h"

namespace kovra::replay {

host::PluginCalls NativePluginCalls() {
  host::PluginCalls calls;
  calls.setupSet = &SetupSet0;
  calls.getNumberOfSets = &GetNumberOfSets;
  calls.getSetName = &GetSetName;
  calls.resetStats = &ResetStats0;
  calls.addData = &AddData0;
  calls.removeData = &RemoveData0;
  calls.checkCall = &CheckCall0;
  calls.isValidExchg = &IsValidExchg0;
  calls.getExchgCount = &GetExchgCount0;
  calls.getResult = &GetResult0;
  return calls;
}

}  // namespace kovra::replay
