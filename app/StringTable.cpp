#include "app/StringTable.h"

#include "app/LanguageCode.h"

#include <unordered_map>

namespace vd {

namespace {

struct Texts {
    const char* english;
    const char* chinese;
};

const std::unordered_map<int, Texts>& Table() {
    static const std::unordered_map<int, Texts> table = {
        {IDS_OLE_INIT_FAILED,
         {"OLE initialization failed.  Make sure that the OLE libraries are the correct version.",
          "OLE 初始化失败。请确认 OLE 库的版本正确。"}},
        {IDS_MAXIMUM_EXCEEDED, {"Maximum number of %s exceeded!", "%s 的数量已达上限！"}},
        {IDS_CANNOT_CREATE, {"Cannot create Emergen from template", "无法从模板创建新记录"}},
        {IDS_DELETE_QUESTION,
         {"Do you want to delete the specified : %s?", "确定要删除指定的记录：%s？"}},
        {IDS_CANNOT_DELETE,
         {"Cannot delete the specified Emergency: %s", "无法删除指定的记录：%s"}},
        {IDS_REFERENCE_DELETED,
         {"The originally selected %s has been deleted", "原先选择的 %s 已被删除"}},
        {IDS_COLUMN_NAME, {"Name", "名称"}},
        {IDS_COLUMN_CONTROL, {"Control", "设置"}},
        {IDS_SHORTLIST, {"Shortlist", "候选列表"}},
        {IDS_MEMBER_LIST, {"MemberList", "成员列表"}},
        {IDS_PORT_LABEL, {"Port:", "端口："}},
        {IDS_OK_BUTTON, {"&OK", "确定(&O)"}},
        {IDS_CANCEL_BUTTON, {"&Cancel", "取消(&C)"}},
        {IDS_OPTION_TITLE, {"Option", "选项"}},
        {IDS_POWER_ON_ZONE_ONLY,
         {"This operation must be performed in Band PowerOn Zone", "此操作只能在开机区域中进行"}},
        {IDS_WRITE_QUESTION, {"Do you want to write it?", "确定要写入吗？"}},
        {IDS_PLEASE_INPUT, {"Please input", "请输入"}},
        {IDS_TOOLBAR_STANDARD, {"Standard", "标准"}},
        {IDS_TOOLBAR_CUSTOMIZE, {"Customize...", "自定义..."}},
        {IDS_READ_PASSWORD, {"Please input the read password", "请输入读频密码"}},
        {IDS_WRITE_PASSWORD, {"Please input the write password", "请输入写频密码"}},
        {IDS_WINDOWS_MENU, {"&Windows...", "窗口(&W)..."}},
        {IDS_INPUT_WITHIN, {"Please input within", "请输入以下范围内的字符"}},
        {IDS_HOST_READ_ALL_DATA, {"Host read all data", "读取全部数据"}},
        {IDS_REOPEN_QUESTION, {"Do you want to reopen it?", "确定要重新打开吗？"}},
        {IDS_HOST_WRITE_ALL_DATA, {"Host write all data", "写入全部数据"}},
        {IDS_DEVICE_NOT_FOUND, {"Can't find the device!", "找不到设备！"}},
        {IDS_NEW_OPTION, {"New project: choose the radio model", "新建工程：选择对讲机型号"}},
        {IDS_READ_OPTION, {"Read option", "读频选项"}},
        {IDS_WRITE_OPTION, {"Write option", "写频选项"}},
        {IDS_FUNCTION_VIEW, {"Function View", "功能视图"}},
        {IDS_OUTPUT_VIEW, {"Output", "输出"}},
        {IDS_SHORTLIST_VIEW, {"Shortlist View", "成员视图"}},
        {IDS_EXPLORER, {"Explorer", "浏览"}},
        {IDS_EDIT, {"Edit", "编辑"}},
        {IDS_OK, {"OK", "确定"}},
        {IDS_YES, {"YES", "是"}},
        {IDS_NO, {"NO", "否"}},
        {IDS_DATA_NOT_FULLY_WRITTEN, {"Data not fully written", "数据未完全写入"}},
        {IDS_DATA_NOT_FULLY_READ, {"Data not fully read", "数据未完全读取"}},
        {IDS_DATA_WRITE_COMPLETED, {"Data write completed", "数据写入完成"}},
        {IDS_DATA_READ_COMPLETED, {"Data read completed", "数据读取完成"}},
        {IDS_FILL_ZONE_INFO, {"Fill zone info", "填充区域信息"}},
        {IDS_FILL_CHANNEL_INFO, {"Fill channel info", "填充信道信息"}},
        {IDS_FILL_SCAN_INFO, {"Fill scan info", "填充扫描信息"}},
        {IDS_FILL_EMERGENCY_INFO, {"Fill Emergency info", "填充紧急报警信息"}},
        {IDS_FILL_FM_INFO, {"Fill FM info", "填充收音机信息"}},
        {IDS_FILL_NOAA_INFO, {"Fill NOAA info", "填充天气信道信息"}},
        {IDS_FILL_DTMF_INFO, {"Fill DTMF info", "填充 DTMF 信息"}},
        {IDS_IMPORT_CHANNEL, {"Import Channel", "导入信道"}},
        {IDS_IMPORT_CHANNEL_ERROR, {"Import channel error", "导入信道错误"}},
        {IDS_LOADING, {"loading...", "加载中..."}},
    };
    return table;
}

} // namespace

std::string LoadString(StringId id, const std::string& languageCode) {
    auto found = Table().find(id);
    if (found == Table().end()) {
        return {};
    }
    return languageCode == "CHN" ? found->second.chinese : found->second.english;
}

std::string LoadString(StringId id) {
    return LoadString(id, CurrentLanguageCode());
}

} // namespace vd
