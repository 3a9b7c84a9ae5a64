#include "wcthrm/U_TypeAndConst.h"

#include "support/Folders.h"
#include "support/Gbk.h"
#include "support/IniFile.h"

namespace wcthrm {

TypeIds ReadTypeIds(const std::string& configPath) {
  IniFile ini(configPath);
  TypeIds ids;
  ids.RecycleBin = ini.ReadInteger("projectInfo", "RecycleBinTypeId");
  ids.KxPrj = ini.ReadInteger("projectInfo", "KxPrjTypeId");
  ids.Kxfolder = ini.ReadInteger("projectInfo", "KxfolderTypeId");
  ids.ConcreteHeat = ini.ReadInteger("wcthrm", WCTHRM_GBK("混凝土加热"));
  ids.ConcreteConserve = ini.ReadInteger("wcthrm", WCTHRM_GBK("混凝土养护硬化温度计算"));
  ids.TongTransitIrrigate = ini.ReadInteger("wcthrm", WCTHRM_GBK("砼运输和浇灌成型温度计算"));
  ids.DepthOfSoil = ini.ReadInteger("wcthrm", WCTHRM_GBK("土壤冻结深度计算"));
  return ids;
}

std::string ConfigPath(const std::string& hostFolder) {
  return hostFolder + ChildIgnoringCase(hostFolder, "tmp") + "/config.ini";
}

}  // namespace wcthrm
