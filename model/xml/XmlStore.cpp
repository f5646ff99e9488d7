#include "model/xml/XmlStore.h"

#include "model/xml/XmlText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

namespace {

constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_declaration;

/// Sends pugixml's output to a file descriptor and remembers whether every write succeeded.
class FdWriter : public pugi::xml_writer {
public:
    explicit FdWriter(int fd) : fd_(fd) {}

    void write(const void* data, size_t size) override {
        const char* bytes = static_cast<const char*>(data);
        while (ok_ && size > 0) {
            const ssize_t written = ::write(fd_, bytes, size);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                ok_ = false;
                error_ = written < 0 ? errno : ENOSPC;
                break;
            }
            bytes += written;
            size -= static_cast<size_t>(written);
        }
    }

    bool ok() const { return ok_; }
    /// The errno of the failed write.
    int error() const { return error_; }

private:
    int fd_;
    bool ok_ = true;
    int error_ = 0;
};

/// Owns a file descriptor.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return fd_; }
    /// Closes now and reports whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

/// Keeps the XML declaration with its encoding, so a saved file says what it is.
void EnsureDeclaration(pugi::xml_document& document) {
    pugi::xml_node first = document.first_child();
    if (first.type() != pugi::node_declaration) {
        first = document.prepend_child(pugi::node_declaration);
        first.append_attribute("version") = "1.0";
    }
    pugi::xml_attribute encoding = first.attribute("encoding");
    if (!encoding) {
        encoding = first.append_attribute("encoding");
    }
    encoding = "UTF-8";
}

mode_t ModeForNewFile(const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

/// Compiled XPath queries over one root name, with the looked-up value as a variable so
/// that ids and names are never pasted into the query text.
struct XmlStore::Queries {
    explicit Queries(const std::string& root) {
        variables.add("key", pugi::xpath_type_string);
        const std::string base = "/" + root;
        chapters = std::make_unique<pugi::xpath_query>((base + "/chapters").c_str());
        elements = std::make_unique<pugi::xpath_query>((base + "/elements").c_str());
        chapterById = Compile(base + "/chapters/chapter[@id=$key]");
        chaptersByParent = Compile(base + "/chapters/chapter[@parentID=$key]");
        elementById = Compile(base + "/elements/element[@id=$key]");
        elementsByName = Compile(base + "/elements/element[@name=$key]");
        elementsByParent = Compile(base + "/elements/element[@parentID=$key]");
        globalValue = Compile(base + "/global_value/*[name()=$key]");
        window = Compile(base + "/Window[@parentID=$key]");
    }

    std::unique_ptr<pugi::xpath_query> Compile(const std::string& text) {
        return std::make_unique<pugi::xpath_query>(text.c_str(), &variables);
    }

    pugi::xpath_variable_set variables;
    std::unique_ptr<pugi::xpath_query> chapters, elements, chapterById, chaptersByParent,
        elementById, elementsByName, elementsByParent, globalValue, window;
};

XmlStore::XmlStore() = default;
XmlStore::~XmlStore() = default;

bool XmlStore::LoadFile(const std::string& path) {
    auto fresh = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = fresh->load_file(path.c_str(), kParseOptions);
    if (!result || !fresh->document_element()) {
        loadProblem_ = result ? "no root element" : result.description();
        return false;
    }
    loadProblem_ = XmlDocumentProblem(*fresh);
    if (!loadProblem_.empty()) {
        return false;
    }
    std::unique_ptr<Queries> queries;
    try {
        queries = std::make_unique<Queries>(fresh->document_element().name());
    } catch (const pugi::xpath_exception&) {
        loadProblem_ = "a root element that names no model";
        return false; // a root tag that cannot be used in a path
    }
    document_ = std::move(fresh);
    queries_ = std::move(queries);
    indexDirty_ = true;
    return true;
}

bool XmlStore::SaveAtomically(const std::string& path) {
    if (!IsLoaded() || path.empty()) {
        return false;
    }
    EnsureDeclaration(*document_);

    // the file a link names is the project; replacing the link would leave it unchanged
    std::error_code linkError;
    std::error_code absent; // a target that does not exist yet is no link
    const bool isLink = std::filesystem::is_symlink(std::filesystem::symlink_status(path, absent));
    const std::filesystem::path target =
        isLink ? std::filesystem::weakly_canonical(path, linkError) : std::filesystem::path(path);
    if (linkError) {
        errno = linkError.value();
        return false;
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 &&
        (::access(target.c_str(), W_OK) != 0 || (existing.st_mode & 0222) == 0)) {
        errno = EACCES; // the superuser may write anything; a read-only project stays so
        return false;
    }
    std::string temporary =
        (target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path()) /
        ("." + target.filename().string() + ".XXXXXX");
    FdGuard fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) {
        return false;
    }
    int cause = 0;
    bool ok = ::fchmod(fd.get(), ModeForNewFile(target)) == 0;
    if (ok) {
        FdWriter writer(fd.get());
        document_->save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
        ok = writer.ok() && ::fsync(fd.get()) == 0;
        cause = writer.ok() ? errno : writer.error();
    } else {
        cause = errno;
    }
    if (!fd.close() && ok) {
        ok = false;
        cause = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        cause = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        errno = cause;
        return false;
    }
    // Make the rename itself durable; a failure here no longer risks the file's content.
    const std::string folder =
        target.parent_path().empty() ? std::string(".") : target.parent_path().string();
    FdGuard dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return true;
}

bool XmlStore::IsLoaded() const {
    return document_ && document_->document_element();
}

std::string XmlStore::RootName() const {
    return IsLoaded() ? document_->document_element().name() : std::string();
}

pugi::xml_node XmlStore::ChaptersNode() const {
    return IsLoaded() ? queries_->chapters->evaluate_node(*document_).node() : pugi::xml_node();
}

pugi::xml_node XmlStore::ElementsNode() const {
    return IsLoaded() ? queries_->elements->evaluate_node(*document_).node() : pugi::xml_node();
}

pugi::xml_node XmlStore::ChapterById(const std::string& id) const {
    return IsLoaded() ? FirstMatch(*queries_->chapterById, id) : pugi::xml_node();
}

std::vector<pugi::xml_node> XmlStore::ChaptersByParent(const std::string& parentId) const {
    return IsLoaded() ? AllMatches(*queries_->chaptersByParent, parentId)
                      : std::vector<pugi::xml_node>();
}

pugi::xml_node XmlStore::ElementById(const std::string& id) {
    if (!IsLoaded()) {
        return {};
    }
    if (indexDirty_) {
        RebuildIndex();
    }
    auto found = idIndex_.find(id);
    return found == idIndex_.end() ? pugi::xml_node() : found->second;
}

std::vector<pugi::xml_node> XmlStore::ElementsByName(const std::string& name) const {
    return IsLoaded() ? AllMatches(*queries_->elementsByName, name) : std::vector<pugi::xml_node>();
}

std::vector<pugi::xml_node> XmlStore::ElementsByParent(const std::string& parentId) const {
    return IsLoaded() ? AllMatches(*queries_->elementsByParent, parentId)
                      : std::vector<pugi::xml_node>();
}

pugi::xml_node XmlStore::GlobalValueNode(const std::string& name) const {
    return IsLoaded() ? FirstMatch(*queries_->globalValue, name) : pugi::xml_node();
}

pugi::xml_node XmlStore::WindowNode(const std::string& parentId) const {
    return IsLoaded() ? FirstMatch(*queries_->window, parentId) : pugi::xml_node();
}

pugi::xml_node XmlStore::AppendNewElement() {
    pugi::xml_node elements = ElementsNode();
    return elements ? elements.append_child("element") : pugi::xml_node();
}

void XmlStore::RemoveElement(pugi::xml_node node) {
    if (!node) {
        return;
    }
    auto found = idIndex_.find(node.attribute("id").value());
    if (found != idIndex_.end() && found->second == node) {
        idIndex_.erase(found);
        // another element may carry the same id further on; find it on the next lookup
        indexDirty_ = indexDirty_ || hasDuplicateIds_;
    }
    node.parent().remove_child(node);
}

void XmlStore::ReorderElements(const std::vector<pugi::xml_node>& places,
                               const std::vector<pugi::xml_node>& order) {
    // a marker before each place holds the position while the nodes move behind them
    std::vector<pugi::xml_node> markers;
    markers.reserve(places.size());
    for (pugi::xml_node place : places) {
        markers.push_back(place.parent().insert_child_before(pugi::node_element, place));
    }
    for (size_t i = 0; i < markers.size() && i < order.size(); ++i) {
        markers[i].parent().insert_move_after(order[i], markers[i]);
    }
    for (pugi::xml_node marker : markers) {
        marker.parent().remove_child(marker);
    }
}

void XmlStore::RebuildIndex() {
    idIndex_.clear();
    hasDuplicateIds_ = false;
    for (pugi::xml_node node : ElementsNode().children("element")) {
        if (!idIndex_.emplace(node.attribute("id").value(), node).second) {
            hasDuplicateIds_ = true;
        }
    }
    indexDirty_ = false;
}

void XmlStore::IndexInserted(pugi::xml_node node) {
    if (indexDirty_) {
        return;
    }
    const std::string id = node.attribute("id").value();
    if (idIndex_.count(id) != 0) {
        indexDirty_ = true; // the first in document order must win; recompute
        hasDuplicateIds_ = true;
        return;
    }
    idIndex_.emplace(id, node);
}

pugi::xml_node XmlStore::FirstMatch(const pugi::xpath_query& query, const std::string& key) const {
    queries_->variables.set("key", key.c_str());
    return query.evaluate_node(*document_).node();
}

std::vector<pugi::xml_node> XmlStore::AllMatches(const pugi::xpath_query& query,
                                                 const std::string& key) const {
    queries_->variables.set("key", key.c_str());
    const pugi::xpath_node_set found = query.evaluate_node_set(*document_);
    std::vector<pugi::xml_node> nodes;
    nodes.reserve(found.size());
    for (const pugi::xpath_node& item : found) {
        nodes.push_back(item.node());
    }
    return nodes;
}

} // namespace vd
