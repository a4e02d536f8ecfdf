#pragma once
// Every text the dialog shows, in UTF-8; converted with wxString::FromUTF8 where it reaches a control.

namespace quorvel::ui {

inline constexpr const char* kCaption = "Quorvel";
inline constexpr const char* kLabelAddress = "接口地址:";
inline constexpr const char* kButtonOpen = "打开";
inline constexpr const char* kLabelInterfaces = "接口详情:";
inline constexpr const char* kLabelMessage = "报文信息:";
inline constexpr const char* kButtonParse = "解析";
inline constexpr const char* kRequestItem = "Request 1";
// Alt+F toggles the box; the letter shows underlined.
inline constexpr const char* kCheckFollowImports = "跟随导入(&F)";
// Above the list of imports that were not read, one "address：reason" line each.
inline constexpr const char* kImportNotesHeading = "跟随导入时有以下问题：";
// Above the notes in the warning box: how many there are.
inline constexpr const char* kImportNotesCount = "%s 个导入未能读取。";

inline constexpr const char* kButtonCancel = "取消";
inline constexpr const char* kFilterHint = "筛选操作";

// The context menu of the service tree.
inline constexpr const char* kMenuCopyRequest = "复制请求\tCtrl+C";
inline constexpr const char* kMenuSaveRequest = "另存为…";
inline constexpr const char* kMenuExportAll = "全部导出…";

// The status line: what a load is doing, and what it brought. "%s" stands for a number or an address.
inline constexpr const char* kStatusReadingFile = "正在读取文件…";
inline constexpr const char* kStatusDownloading = "正在下载：已接收 %s 字节";
inline constexpr const char* kStatusDownloadingDocument = "正在下载 %s：已接收 %s 字节";
// When the server declared the length: received and declared size, and the percentage.
inline constexpr const char* kStatusDownloadingOf = "正在下载：已接收 %s / %s（%s%%）";
inline constexpr const char* kStatusDownloadingDocumentOf = "正在下载 %s：已接收 %s / %s（%s%%）";
inline constexpr const char* kStatusParsing = "正在解析文档…";
inline constexpr const char* kStatusReading = "正在读取服务、绑定和操作…";
inline constexpr const char* kStatusBuilding = "正在生成请求：%s / %s";
inline constexpr const char* kStatusLoaded = "已加载：服务 %s 个，绑定 %s 个，操作 %s 个";
inline constexpr const char* kStatusDocuments = "，文档 %s 个";
inline constexpr const char* kStatusCancelled = "已取消加载。";
inline constexpr const char* kStatusFailed = "加载失败。";
inline constexpr const char* kStatusCopied = "请求已复制到剪贴板。";
inline constexpr const char* kStatusSaved = "请求已保存：%s";
inline constexpr const char* kStatusExported = "已导出 %s 个请求：%s";
inline constexpr const char* kStatusExporting = "正在导出：%s / %s";
inline constexpr const char* kStatusExportCancelled = "已取消导出，已写入 %s 个请求：%s";
inline constexpr const char* kStatusExportFailed = "导出失败，已写入 %s 个请求：%s";
inline constexpr const char* kStatusSaveCancelled = "已取消保存。";
inline constexpr const char* kStatusExportNotStarted = "已取消导出。";
inline constexpr const char* kStatusNoMatch = "没有匹配的操作。";

// Titles of the file and folder choosers.
inline constexpr const char* kTitleOpenFile = "打开 WSDL/XML 文件";
inline constexpr const char* kTitleSaveRequest = "另存为";
inline constexpr const char* kTitleExportFolder = "选择导出文件夹";
inline constexpr const char* kButtonOk = "确定";

// Sending the request in the pane, and its response.
inline constexpr const char* kButtonSend = "发送";
inline constexpr const char* kButtonResetEndpoint = "还原";
inline constexpr const char* kEndpointHint = "服务地址";
inline constexpr const char* kEndpointTip = "请求发送到的地址；“还原”恢复描述中的地址";
inline constexpr const char* kPageResponse = "响应";
inline constexpr const char* kCheckPretty = "格式化";
inline constexpr const char* kStatusSending = "正在发送到 %s …";
inline constexpr const char* kStatusSent = "已收到响应。";
inline constexpr const char* kStatusSendCancelled = "已取消发送。";
inline constexpr const char* kStatusSendFailed = "发送失败。";
inline constexpr const char* kNothingToSend = "请先在左侧选择一个操作。";
inline constexpr const char* kPlainHttpCredentials =
    "用户名和密码将以明文经 HTTP 发送到 %s，可能被他人截获。仍要发送吗？";

// The options of the requests, and the connection settings, in the options menu.
inline constexpr const char* kButtonOptions = "选项";
inline constexpr const char* kOptionHeaderParts = "头部";
inline constexpr const char* kOptionAttributes = "属性";
inline constexpr const char* kOptionExampleValues = "示例值";
inline constexpr const char* kOptionWsSecurity = "WS-Security";
inline constexpr const char* kMenuConnectionSettings = "连接设置…";
inline constexpr const char* kEditsWillBeReplaced = "报文信息中的修改将被重新生成的请求替换。继续吗？";

// The connection settings dialog.
inline constexpr const char* kSettingsCaption = "连接设置";
inline constexpr const char* kLabelUser = "用户名:";
inline constexpr const char* kLabelPassword = "密码:";
inline constexpr const char* kLabelHeaders = "附加请求头（每行一个“名称: 值”）:";
inline constexpr const char* kSettingsNote = "用于发送请求，以及加载描述文档及其导入。只在此窗口打开期间保留。";
inline constexpr const char* kBadHeaderLine = "第 %s 行不是有效的请求头（应为“名称: 值”）：";

// Checking the request in the pane against the description's schemas.
inline constexpr const char* kButtonValidate = "校验";
inline constexpr const char* kPageProblems = "校验结果";
inline constexpr const char* kProblemAt = "第 %s 行，第 %s 列：%s";
inline constexpr const char* kStatusValid = "校验通过：请求符合描述中的架构。";
inline constexpr const char* kStatusInvalid = "校验发现 %s 个问题。";
inline constexpr const char* kStatusUnchecked = "部分内容无法校验。";
inline constexpr const char* kNothingToValidate = "请先在左侧选择一个操作，再校验报文。";

inline constexpr const char* kAddressMissing = "请先填写接口地址，或点击“打开”选择本地 WSDL/XML 文件。";

// The open dialog's filter: two entries, each a description and its patterns.
inline constexpr const char* kFilterDescriptionFiles = "WSDL/XML 文件 (*.wsdl;*.xml)";
inline constexpr const char* kPatternDescriptionFiles = "*.wsdl;*.xml";
inline constexpr const char* kFilterAllFiles = "所有文件 (*.*)";
inline constexpr const char* kPatternAllFiles = "*.*";

} // namespace quorvel::ui
