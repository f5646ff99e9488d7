#pragma once
#include "model/HamCpsControl.h"
#include "model/ProjectRules.h"
#include "model/xml/XmlStore.h"

#include <map>
#include <string>
#include <vector>

namespace vd {

/// Maximum record counts of a model's lists, by record name ("ChannelName": 1027).
using CapacityTable = std::map<std::string, int>;

/// The model control over the template document: every query and write of chapters,
/// elements and list records. The model classes add the radio link, the image codec and
/// their value rules.
class CommonCpsControl : public HamCpsControl {
public:
    /// @param modelName    registry name of the model ("GX5")
    /// @param rootName     root element of the model's documents ("GX5v001")
    /// @param capacities   maximum record counts of the lists
    /// @param templatePath full path of the model's template file
    CommonCpsControl(std::string modelName, std::string rootName, CapacityTable capacities,
                     std::string templatePath);
    ~CommonCpsControl() override;

    std::string GetModelName() const override;
    bool ResetToTemplate() override;
    int GetNodeKind(const std::string& id, const std::string& kind) override;
    int GetContextMenuId(const std::string& id, const std::string& kind) override;
    bool Load(const std::string& path, const std::string& rootName) override;
    bool Save(const std::string& path) override;
    std::string GetRootName() const override;
    std::string GetTemplatePath() const override;
    void GetChapters(const std::string& parentId, std::vector<HamCpsChapter>& out) override;
    void GetChapter(const std::string& id, HamCpsChapter& out) override;
    void GetElements(const std::string& parentId, ElementList& out) override;
    bool FindFreeRecord(const std::string& parentId, ElementList& out) override;
    void GetElementsByName(const std::string& name, ElementList& out) override;
    std::unique_ptr<HamCpsElement> GetElement(const std::string& id) override;
    void GetChildElements(const std::string& id, ElementList& out) override;
    void GetWindowLayout(const std::string& parentId, std::vector<std::string>& out) override;
    std::string GetGlobalValue(const std::string& name) override;
    bool SetFieldValue(const std::string& recordId, const std::string& fieldName,
                       const std::vector<std::string>& values) override;
    bool RemapReferences(const std::string& recordId, const std::string& recordName,
                         ReferenceCache& cache) override;
    bool NewRecord(const std::string& id, ElementPtr& out) override;
    bool DeleteRecord(const std::string& id) override;
    void SetValueByName(const std::string& name, const std::string& value) override;
    bool SetInputValue(const std::string& id, const std::string& childId, const std::string& value,
                       bool force) override;
    bool ApplyTuningFile(ByteVector& image, const std::string& tuningFilePath) override;
    bool host_reboot(ISerialPort& port) override;
    bool OnValueChanged(const HamCpsElement& changed, const std::string& newValue,
                        std::vector<ElementKey>& dependents) override;
    int GetCapacity(const std::string& name) override;
    bool IsFieldDisabled(const HamCpsElement& field) override;
    bool IsReferenceName(const std::string& name) override;
    std::string GetReferenceTarget(const std::string& name) override;
    std::string FormatMemberList(const std::vector<std::string>& members) override;
    std::string GetTextIn(const HamCpsElement& element, const std::string& attribute,
                          const std::string& languageSuffix) override;
    bool ReorderRecords(const std::string& chapterId,
                        const std::vector<std::string>& orderedIds) override;

    /// Display name of a new record: prefix followed by 1 + the records in use of that name.
    virtual std::string DefaultRecordName(const std::string& name, const std::string& prefix);
    /// Waits ms milliseconds; the protocols pause through it.
    virtual void Sleep(unsigned ms);
    /// Whether a reference value may be resolved against its list (all values by default).
    virtual bool IsValueAllowed(const std::string& value, const std::string& name);
    /// The rules the radio holds a whole configuration to (none by default).
    virtual const ProjectRules& GetProjectRules() const;
    /// A text as the radio stores it: characters it cannot show are replaced (unchanged by
    /// default, for radios that store no texts or every character).
    virtual std::string ToRadioText(const std::string& utf8) const;

    /// Brings the in-use records named recordName to exactly count, in list order: surplus
    /// records are removed from the end, missing ones are copied from the list's free record
    /// with the next ids. ids receives the ids of the in-use records afterwards. Used by the
    /// image importers, which need a list to hold what the radio holds.
    bool ResizeRecordList(const std::string& recordName, size_t count,
                          std::vector<std::string>& ids);

    /// Positions among the in-use records of a list, by record id (for image encoders).
    std::unordered_map<std::string, int> InUsePositions(const std::string& recordName);

protected:
    /// The document, for the model classes' fast paths.
    XmlStore& Store() { return store_; }
    /// Stores every cleared check box ("0" from an image decoder) as empty, the form an
    /// edit stores.
    void StoreCheckBoxesAsEdited();

private:
    /// After a reorder of a list's in-use records (before -> after): values that are a
    /// position in a choice list made of that list's records follow their record.
    void RenumberPositionChoices(const std::vector<pugi::xml_node>& before,
                                 const std::vector<pugi::xml_node>& after);
    void FillElement(pugi::xml_node node, HamCpsElement& element);
    ElementPtr MakeElement(pugi::xml_node node);
    ElementPtr MakeChild(pugi::xml_node node, const std::string& recordId);
    const std::unordered_map<std::string, int>& CachedTargets(ReferenceCache& cache,
                                                              const std::string& target);

    XmlStore store_;
    CapacityTable capacities_;
    std::string rootName_;
    std::string modelName_;
    std::string templatePath_;
};

} // namespace vd
