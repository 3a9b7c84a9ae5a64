// Every text the host shows of its own, in one table so the wording can be reviewed together;
// the captions of the item kinds are the library's dialog captions, copied here because the
// host only knows the library through its public header.
#pragma once

#include <QString>

namespace wcthrm::host {

// The type identifiers the host writes into tmp/config.ini and gives its nodes.
enum TypeId : int32_t {
  kRecycleBinTypeId = 1,
  kProjectTypeId = 2,
  kFolderTypeId = 3,
  kConcreteHeatTypeId = 100,
  kConcreteConserveTypeId = 101,
  kDepthOfSoilTypeId = 102,
  kTongTransitIrrigateTypeId = 103,
};

// One row per calculation item kind, in the library's order of kinds.
struct KindText {
  int32_t typeId;
  const char* configKey;  // key of the kind in section [wcthrm] of config.ini
  const char* caption;    // the kind's dialog caption, the default caption of a new item
  const char* action;     // object name of its "new item" action
  const char* shortName;  // the toolbar's text for it
};

inline constexpr KindText kKindTexts[] = {
    {kConcreteHeatTypeId, "混凝土加热", "砼组成材料加热和拌和物温度计算", "actNewConcreteHeat", "加热"},
    {kConcreteConserveTypeId, "混凝土养护硬化温度计算", "混凝土养护硬化温度计算",
     "actNewConcreteConserve", "养护"},
    {kDepthOfSoilTypeId, "土壤冻结深度计算", "土壤冻结深度计算", "actNewDepthOfSoil", "冻深"},
    {kTongTransitIrrigateTypeId, "砼运输和浇灌成型温度计算", "砼运输和浇灌成型温度计算",
     "actNewTongTransitIrrigate", "运输"},
};

namespace texts {

inline QString T(const char* utf8) { return QString::fromUtf8(utf8); }

inline constexpr const char* kAppTitle = "冬期施工热工计算";
inline constexpr const char* kRecycleBin = "回收站";
inline constexpr const char* kNewProjectCaption = "新项目";
inline constexpr const char* kNewFolderCaption = "新文件夹";

// Menus and actions.
inline constexpr const char* kMenuFile = "文件(&F)";
inline constexpr const char* kMenuProject = "项目(&P)";
inline constexpr const char* kMenuNew = "新建(&N)";
inline constexpr const char* kMenuView = "视图(&V)";
inline constexpr const char* kMenuHelp = "帮助(&H)";
inline constexpr const char* kToolBar = "工具栏";
inline constexpr const char* kNewProject = "新建项目";
inline constexpr const char* kNewFolder = "新建文件夹";
inline constexpr const char* kOpen = "打开";
inline constexpr const char* kRename = "重命名";
inline constexpr const char* kDelete = "删除";
inline constexpr const char* kRestore = "还原";
inline constexpr const char* kEmptyBin = "清空回收站";
inline constexpr const char* kAbout = "关于";
inline constexpr const char* kQuit = "退出";
inline constexpr const char* kNewFile = "新建";
inline constexpr const char* kOpenFile = "打开…";
inline constexpr const char* kSave = "保存";
inline constexpr const char* kSaveAs = "另存为…";
inline constexpr const char* kRecentFiles = "最近打开的文件";

// Project files.
inline constexpr const char* kFileFilter = "冬期施工计算项目 (*.wcthrm)";
inline constexpr const char* kOpenFileTitle = "打开项目";
inline constexpr const char* kSaveAsTitle = "项目另存为";
inline constexpr const char* kUntitled = "未命名";
inline constexpr const char* kSaveChangesQuestion = "是否保存对项目的修改？";
inline constexpr const char* kCannotOpen = "无法打开项目文件“%1”：%2";
inline constexpr const char* kCannotSave = "无法保存项目文件“%1”：%2\n\n项目未保存，修改仍保留在窗口中。";
inline constexpr const char* kRecentMissing = "文件“%1”已不存在，已从最近打开的文件中移除。";
inline constexpr const char* kRecoveryQuestion = "发现上次未正常退出时自动保存的恢复文件，是否恢复？";
inline constexpr const char* kRecoveryBroken = "恢复文件“%1”已损坏，无法恢复，已将其删除：%2";
inline constexpr const char* kAutosaveFailed = "自动保存失败：%1";

// The buttons of the questions, so they read in Chinese without Qt's own translations.
inline constexpr const char* kYes = "是(&Y)";
inline constexpr const char* kNo = "否(&N)";
inline constexpr const char* kSaveButton = "保存(&S)";
inline constexpr const char* kDiscardButton = "不保存(&D)";
inline constexpr const char* kCancelButton = "取消";

// The command line.
inline constexpr const char* kCommandLineDescription = "冬期施工热工计算：新建、打开、编辑和保存冬期施工计算项目。";
inline constexpr const char* kProjectArgument = "项目";
inline constexpr const char* kProjectArgumentHelp = "启动时打开的项目文件（*.wcthrm）。";

// The error log.
inline constexpr const char* kErrorLog = "错误日志";
inline constexpr const char* kLogTime = "时间";
inline constexpr const char* kLogMessage = "消息";
inline constexpr const char* kLogReport = "详细报告";
inline constexpr const char* kLogNoMessage = "（无消息文本）";
inline constexpr const char* kUnknownNode = "未知的节点类型 %1：节点“%2”已作为普通节点保留，不能打开。";

// Questions and notices.
inline constexpr const char* kEmptyBinQuestion = "回收站中的 %1 个节点将被永久删除，不能恢复。是否继续？";
inline constexpr const char* kRestoreNoPlace =
    "“%1”原来所在的位置已不存在或已被删除。请先还原它的上级节点。";
inline constexpr const char* kAboutTitle = "关于";
inline constexpr const char* kAboutText = "冬期施工热工计算\n\n计算模块版本：%1\n计算模块文件：%2";
inline constexpr const char* kEmptyCaption = "名称不能为空。";

// Loading the calculation module.
inline constexpr const char* kLoadTitle = "无法启动";
inline constexpr const char* kLibraryMissing =
    "找不到计算模块。已查找以下位置：\n%1\n\n系统信息：%2";
inline constexpr const char* kLibraryBroken = "无法加载计算模块：\n%1\n\n系统信息：%2";
inline constexpr const char* kNoEntry = "计算模块中没有入口函数 GetPrjMgr：\n%1\n\n系统信息：%2";
inline constexpr const char* kNoHostFolder =
    "无法写入配置文件：\n%1\n\n请检查该文件夹的写入权限。";

}  // namespace texts
}  // namespace wcthrm::host
