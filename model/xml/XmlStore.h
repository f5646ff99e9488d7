#pragma once
#include <pugixml.hpp>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vd {

/// The loaded template or project document and the queries over it. The DOM is the only
/// store of values; beside it the store keeps an index from top-level element id to node so
/// that single-element lookups do not depend on the length of the lists.
class XmlStore {
public:
    XmlStore();
    ~XmlStore();
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    /// Loads a file into a fresh document (comments and declaration kept). A file that is
    /// not XML, is declared in an encoding the parser does not convert, holds text XML 1.0
    /// cannot hold or nests absurdly deep is refused; LoadProblem() then says why. On
    /// failure the previous document stays as it was.
    bool LoadFile(const std::string& path);
    /// Why the last LoadFile failed, or empty text.
    const std::string& LoadProblem() const { return loadProblem_; }
    /// Writes the document to path without ever leaving a half-written file there: the text
    /// goes to a temporary file in the same folder, which replaces the target only once it
    /// is completely on disk. A symbolic link is followed, so the file it names is replaced
    /// and the link stays; an existing file without write permission is not replaced, even
    /// for the superuser. On failure errno holds the cause.
    bool SaveAtomically(const std::string& path);

    /// Whether a document with a root element is loaded.
    bool IsLoaded() const;
    /// Tag of the loaded root element (empty without a document).
    std::string RootName() const;

    /// "/ROOT/chapters".
    pugi::xml_node ChaptersNode() const;
    /// "/ROOT/elements".
    pugi::xml_node ElementsNode() const;
    /// First chapter with that id.
    pugi::xml_node ChapterById(const std::string& id) const;
    /// Chapters whose parentID is parentId, in document order.
    std::vector<pugi::xml_node> ChaptersByParent(const std::string& parentId) const;
    /// First top-level element with that id (through the index).
    pugi::xml_node ElementById(const std::string& id);
    /// Top-level elements with that name, in document order.
    std::vector<pugi::xml_node> ElementsByName(const std::string& name) const;
    /// Top-level elements of a chapter, in document order.
    std::vector<pugi::xml_node> ElementsByParent(const std::string& parentId) const;
    /// "/ROOT/global_value/NAME".
    pugi::xml_node GlobalValueNode(const std::string& name) const;
    /// "/ROOT/Window[@parentID=...]".
    pugi::xml_node WindowNode(const std::string& parentId) const;

    /// Inserts a deep copy of proto as a top-level element directly after `after` (appended
    /// to `elements` when after is empty); the caller sets the copy's id through `prepare`
    /// before it becomes visible to the index.
    template <typename Prepare>
    pugi::xml_node InsertElementCopy(pugi::xml_node proto, pugi::xml_node after, Prepare prepare) {
        pugi::xml_node parent = after ? after.parent() : ElementsNode();
        pugi::xml_node copy =
            after ? parent.insert_copy_after(proto, after) : parent.append_copy(proto);
        prepare(copy);
        IndexInserted(copy);
        return copy;
    }
    /// Appends a new empty `element` node to `elements`.
    pugi::xml_node AppendNewElement();
    /// Removes a top-level element and keeps the index right.
    void RemoveElement(pugi::xml_node node);
    /// Puts the top-level elements `order` into the places that `places` hold now: the i-th
    /// place receives order[i]. Both name the same nodes; nodes keep their identity, so the
    /// id index stays right.
    void ReorderElements(const std::vector<pugi::xml_node>& places,
                         const std::vector<pugi::xml_node>& order);

private:
    struct Queries;

    void RebuildIndex();
    void IndexInserted(pugi::xml_node node);
    pugi::xml_node FirstMatch(const pugi::xpath_query& query, const std::string& key) const;
    std::vector<pugi::xml_node> AllMatches(const pugi::xpath_query& query,
                                           const std::string& key) const;

    std::unique_ptr<pugi::xml_document> document_;
    std::unique_ptr<Queries> queries_;
    std::unordered_map<std::string, pugi::xml_node> idIndex_;
    bool indexDirty_ = true;
    bool hasDuplicateIds_ = false;
    std::string loadProblem_;
};

} // namespace vd
