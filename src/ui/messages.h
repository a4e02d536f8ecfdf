#pragma once
// Every text the dialog shows, in UTF-8; FromUtf8 (ui/utf8_text.h) converts one where it reaches a control.

#include <string_view>

namespace quorvel::ui_msg {

inline constexpr std::string_view kCaption = "Quorvel";
inline constexpr std::string_view kLabelAddress = "接口地址:";
inline constexpr std::string_view kButtonOpen = "打开";
inline constexpr std::string_view kLabelInterfaces = "接口详情:";
inline constexpr std::string_view kLabelMessage = "报文信息:";
inline constexpr std::string_view kButtonParse = "解析";
inline constexpr std::string_view kRequestItem = "Request 1";
// Alt+F toggles the box; the letter shows underlined.
inline constexpr std::string_view kCheckFollowImports = "跟随导入(&F)";
// Above the list of imports that were not read, one "address：reason" line each.
inline constexpr std::string_view kImportNotesHeading = "跟随导入时有以下问题：";
// Above the notes in the warning box: how many there are.
inline constexpr std::string_view kImportNotesCount = "%s 个导入未能读取。";

inline constexpr std::string_view kButtonCancel = "取消";
inline constexpr std::string_view kFilterHint = "筛选操作";

// The context menu of the service tree.
inline constexpr std::string_view kMenuCopyRequest = "复制请求\tCtrl+C";
inline constexpr std::string_view kMenuSaveRequest = "另存为…";
inline constexpr std::string_view kMenuExportAll = "全部导出…";

// The status line: what a load is doing, and what it brought. "%s" stands for a number or an address.
inline constexpr std::string_view kStatusReadingFile = "正在读取文件…";
inline constexpr std::string_view kStatusDownloading = "正在下载：已接收 %s 字节";
inline constexpr std::string_view kStatusDownloadingDocument = "正在下载 %s：已接收 %s 字节";
// When the server declared the length: received and declared size, and the percentage.
inline constexpr std::string_view kStatusDownloadingOf = "正在下载：已接收 %s / %s（%s%%）";
inline constexpr std::string_view kStatusDownloadingDocumentOf = "正在下载 %s：已接收 %s / %s（%s%%）";
inline constexpr std::string_view kStatusParsing = "正在解析文档…";
inline constexpr std::string_view kStatusReading = "正在读取服务、绑定和操作…";
inline constexpr std::string_view kStatusBuilding = "正在生成请求：%s / %s";
inline constexpr std::string_view kStatusLoaded = "已加载：服务 %s 个，绑定 %s 个，操作 %s 个";
inline constexpr std::string_view kStatusDocuments = "，文档 %s 个";
inline constexpr std::string_view kStatusCancelled = "已取消加载。";
inline constexpr std::string_view kStatusFailed = "加载失败。";
inline constexpr std::string_view kStatusCopied = "请求已复制到剪贴板。";
inline constexpr std::string_view kStatusSaved = "请求已保存：%s";
inline constexpr std::string_view kStatusExported = "已导出 %s 个请求：%s";
inline constexpr std::string_view kStatusExporting = "正在导出：%s / %s";
inline constexpr std::string_view kStatusExportCancelled = "已取消导出，已写入 %s 个请求：%s";
inline constexpr std::string_view kStatusExportFailed = "导出失败，已写入 %s 个请求：%s";
inline constexpr std::string_view kStatusSaveCancelled = "已取消保存。";
inline constexpr std::string_view kStatusExportNotStarted = "已取消导出。";
inline constexpr std::string_view kStatusNoMatch = "没有匹配的操作。";

// Titles of the file and folder choosers.
inline constexpr std::string_view kTitleOpenFile = "打开 WSDL/XML 文件";
inline constexpr std::string_view kTitleSaveRequest = "另存为";
inline constexpr std::string_view kTitleExportFolder = "选择导出文件夹";
inline constexpr std::string_view kButtonOk = "确定";

// Sending the request in the pane, and its response.
inline constexpr std::string_view kButtonSend = "发送";
inline constexpr std::string_view kButtonResetEndpoint = "还原";
inline constexpr std::string_view kEndpointHint = "服务地址";
inline constexpr std::string_view kEndpointTip = "请求发送到的地址；“还原”恢复描述中的地址";
inline constexpr std::string_view kPageResponse = "响应";
inline constexpr std::string_view kCheckPretty = "格式化";
inline constexpr std::string_view kStatusSending = "正在发送到 %s …";
inline constexpr std::string_view kStatusSent = "已收到响应。";
inline constexpr std::string_view kStatusSendCancelled = "已取消发送。";
inline constexpr std::string_view kStatusSendFailed = "发送失败。";
inline constexpr std::string_view kNothingToSend = "请先在左侧选择一个操作。";
inline constexpr std::string_view kPlainHttpCredentials =
    "用户名和密码将以明文经 HTTP 发送到 %s，可能被他人截获。仍要发送吗？";

// The options of the requests, and the connection settings, in the options menu.
inline constexpr std::string_view kButtonOptions = "选项";
inline constexpr std::string_view kOptionHeaderParts = "头部";
inline constexpr std::string_view kOptionAttributes = "属性";
inline constexpr std::string_view kOptionExampleValues = "示例值";
inline constexpr std::string_view kOptionWsSecurity = "WS-Security";
inline constexpr std::string_view kMenuConnectionSettings = "连接设置…";
inline constexpr std::string_view kEditsWillBeReplaced = "报文信息中的修改将被重新生成的请求替换。继续吗？";
// How a rebuild of the requests ended; while it runs, the line counts the requests built as a load does.
inline constexpr std::string_view kStatusRebuilt = "已按新选项重新生成 %s 个请求。";
inline constexpr std::string_view kStatusRebuildCancelled = "已取消重新生成请求，选项未改变。";
inline constexpr std::string_view kStatusRebuildFailed = "重新生成请求失败，选项未改变。";

// The connection settings dialog.
inline constexpr std::string_view kSettingsCaption = "连接设置";
inline constexpr std::string_view kLabelUser = "用户名:";
inline constexpr std::string_view kLabelPassword = "密码:";
inline constexpr std::string_view kLabelHeaders = "附加请求头（每行一个“名称: 值”）:";
inline constexpr std::string_view kSettingsNote =
    "用于发送请求，以及加载描述文档及其导入。只在此窗口打开期间保留。";
inline constexpr std::string_view kBadHeaderLine = "第 %s 行不是有效的请求头（应为“名称: 值”）：";

// Checking the request in the pane against the description's schemas.
inline constexpr std::string_view kButtonValidate = "校验";
inline constexpr std::string_view kPageProblems = "校验结果";
inline constexpr std::string_view kProblemAt = "第 %s 行，第 %s 列：%s";
inline constexpr std::string_view kStatusValid = "校验通过：请求符合描述中的架构。";
inline constexpr std::string_view kStatusInvalid = "校验发现 %s 个问题。";
inline constexpr std::string_view kStatusUnchecked = "部分内容无法校验。";
inline constexpr std::string_view kNothingToValidate = "请先在左侧选择一个操作，再校验报文。";

inline constexpr std::string_view kAddressMissing = "请先填写接口地址，或点击“打开”选择本地 WSDL/XML 文件。";

// The open dialog's filter: two entries, each a description and its patterns.
inline constexpr std::string_view kFilterDescriptionFiles = "WSDL/XML 文件 (*.wsdl;*.xml)";
inline constexpr std::string_view kPatternDescriptionFiles = "*.wsdl;*.xml";
inline constexpr std::string_view kFilterAllFiles = "所有文件 (*.*)";
inline constexpr std::string_view kPatternAllFiles = "*.*";

} // namespace quorvel::ui_msg
