#include "sim/dgn/DgnStore.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <utility>

#include <unistd.h>

#include "sim/SimFailures.h"
#include "sim/dgn/ElementBinary.h"
#include "sim/dgn/ElementJson.h"
#include "sim/platform/RegularFile.h"

using nlohmann::json;

namespace sim {
namespace {

// Storage units per master unit, and sub-units per master unit, that any design file
// has are far below this.
constexpr double kMostUnitsPerMaster = 1e12;

// "QVDG": marks the database as a design file of this host.
constexpr int kApplicationId = 0x51564447;
// 2: element bodies in the compact binary form; 1 wrote them as JSON, which is still
// read.
constexpr int kSchemaVersion = 2;

const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS levels(id INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS library_levels(seq INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS colors(idx INTEGER PRIMARY KEY, red INTEGER, green INTEGER, blue INTEGER);
CREATE TABLE IF NOT EXISTS elements(filepos INTEGER PRIMARY KEY, id INTEGER NOT NULL UNIQUE, body TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS xattributes(filepos INTEGER NOT NULL, seq INTEGER NOT NULL, major INTEGER NOT NULL,
  minor INTEGER NOT NULL, xid INTEGER NOT NULL, data BLOB, PRIMARY KEY(filepos, seq));
CREATE TABLE IF NOT EXISTS rasters(seq INTEGER PRIMARY KEY, body TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS fonts(number INTEGER PRIMARY KEY, kind INTEGER NOT NULL, name TEXT NOT NULL);
)";

// Owns a connection: moved, never copied, so that it is closed once.
class Db {
 public:
  Db() = default;
  ~Db() {
    if (db_) sqlite3_close(db_);
  }
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;
  Db(Db&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}
  Db& operator=(Db&& other) noexcept {
    if (this != &other) {
      if (db_) sqlite3_close(db_);
      db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
  }
  sqlite3* get() const { return db_; }
  sqlite3** out() { return &db_; }
  std::string Error() const { return db_ ? sqlite3_errmsg(db_) : "out of memory"; }
  void Exec(const char* sql) {
    char* msg = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
      std::string m = msg ? msg : Error();
      sqlite3_free(msg);
      throw std::runtime_error(m);
    }
  }
  int PragmaInt(const char* pragma) {
    sqlite3_stmt* st = nullptr;
    std::string sql = std::string("PRAGMA ") + pragma;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) throw std::runtime_error(Error());
    int value = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    return value;
  }

 private:
  sqlite3* db_ = nullptr;
};

// Owns a prepared statement of a connection: moved, never copied, so that it is
// finalised once.
class Stmt {
 public:
  Stmt(Db& db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db.get(), sql, -1, &st_, nullptr) != SQLITE_OK) throw std::runtime_error(db.Error());
  }
  ~Stmt() { sqlite3_finalize(st_); }
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  Stmt(Stmt&& other) noexcept : db_(other.db_), st_(std::exchange(other.st_, nullptr)) {}
  Stmt& operator=(Stmt&&) = delete;  // bound to its connection
  Stmt& Bind(int i, long long v) {
    sqlite3_bind_int64(st_, i, v);
    return *this;
  }
  Stmt& Bind(int i, double v) {
    sqlite3_bind_double(st_, i, v);
    return *this;
  }
  Stmt& Bind(int i, const std::string& v) {
    sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
  }
  // The bytes must stay as they are until the statement has run.
  Stmt& BindBlob(int i, const std::vector<unsigned char>& v) {
    sqlite3_bind_blob(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    return *this;
  }
  void Run() {
    if (sqlite3_step(st_) != SQLITE_DONE) throw std::runtime_error(db_.Error());
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
  }
  bool Next() {
    int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) throw std::runtime_error(db_.Error());
    return false;
  }
  long long Int(int c) { return sqlite3_column_int64(st_, c); }
  bool IsInteger(int c) { return sqlite3_column_type(st_, c) == SQLITE_INTEGER; }
  bool IsBlob(int c) { return sqlite3_column_type(st_, c) == SQLITE_BLOB; }
  std::string Text(int c) {
    const unsigned char* t = sqlite3_column_text(st_, c);
    return t ? std::string(reinterpret_cast<const char*>(t), sqlite3_column_bytes(st_, c)) : std::string();
  }
  std::vector<unsigned char> Blob(int c) {
    const auto* b = static_cast<const unsigned char*>(sqlite3_column_blob(st_, c));
    return b ? std::vector<unsigned char>(b, b + sqlite3_column_bytes(st_, c)) : std::vector<unsigned char>();
  }

 private:
  Db& db_;
  sqlite3_stmt* st_ = nullptr;
};

json Meta(const DgnModel& m) {
  return {{"uorPerMaster", m.uorPerMaster},   {"subPerMaster", m.subPerMaster},
          {"masterUnit", m.masterUnit.standardNumber}, {"subUnit", m.subUnit.standardNumber},
          {"activeLevel", m.activeLevel},     {"nextLevelId", m.nextLevelId},
          {"nextElementId", m.nextElementId}, {"nextFilePos", m.nextFilePos},
          {"activeFont", m.activeFont},       {"activeColor", m.activeColor},
          {"activeWeight", m.activeWeight},   {"activeStyle", m.activeStyle},
          {"activeTextHeight", m.activeTextHeight}, {"activeTextWidth", m.activeTextWidth}};
}

json StoredRaster(const DgnRaster& r) {
  return {{"fileName", r.fileName},
          {"origin", {r.geo.origin.x, r.geo.origin.y, r.geo.origin.z}},
          {"extent", {r.geo.extent.x, r.geo.extent.y}},
          {"rotationDegrees", r.geo.rotationDegrees},
          {"viewMask", r.rendering.viewMask},
          {"displayOn", r.rendering.displayOn},
          {"printOn", r.rendering.printOn},
          {"extendedMask", r.extendedMask},
          {"logicalName", StoredText(r.logicalName)}};
}

void ReadRaster(const json& j, DgnRaster& r) {
  r.fileName = j.at("fileName").get<std::string>();
  const json& o = j.at("origin");
  const json& e = j.at("extent");
  r.geo.origin = {o.at(0).get<double>(), o.at(1).get<double>(), o.at(2).get<double>()};
  r.geo.extent = {e.at(0).get<double>(), e.at(1).get<double>()};
  r.geo.rotationDegrees = j.at("rotationDegrees").get<double>();
  r.rendering.viewMask = j.at("viewMask").get<UInt32>();
  r.rendering.displayOn = j.at("displayOn").get<int>();
  r.rendering.printOn = j.at("printOn").get<int>();
  r.extendedMask = j.at("extendedMask").get<UInt32>();
  r.logicalName = ReadStoredText(j.at("logicalName"));
}

void WriteAll(Db& db, const DgnModel& m) {
  db.Exec("BEGIN IMMEDIATE");
  db.Exec(kSchema);
  for (const char* table : {"meta", "levels", "library_levels", "colors", "elements", "xattributes", "rasters", "fonts"})
    db.Exec((std::string("DELETE FROM ") + table).c_str());
  {
    Stmt st(db, "INSERT INTO meta(key, value) VALUES(?, ?)");
    const json meta = Meta(m);
    for (const auto& [key, value] : meta.items()) st.Bind(1, key).Bind(2, value.dump()).Run();
  }
  {
    Stmt st(db, "INSERT INTO levels(id, name) VALUES(?, ?)");
    for (const auto& l : m.levels) st.Bind(1, static_cast<long long>(l.id)).Bind(2, StoredText(l.name).dump()).Run();
    Stmt lib(db, "INSERT INTO library_levels(seq, name) VALUES(?, ?)");
    long long seq = 0;
    for (const auto& n : m.levelLibrary) lib.Bind(1, seq++).Bind(2, StoredText(n).dump()).Run();
  }
  {
    Stmt st(db, "INSERT INTO colors(idx, red, green, blue) VALUES(?, ?, ?, ?)");
    for (int i = 0; i < 256; ++i)
      st.Bind(1, static_cast<long long>(i))
          .Bind(2, static_cast<long long>(m.colors[i].red))
          .Bind(3, static_cast<long long>(m.colors[i].green))
          .Bind(4, static_cast<long long>(m.colors[i].blue))
          .Run();
  }
  {
    // Deleted elements are not written: undo does not reach beyond a save.
    Stmt el(db, "INSERT INTO elements(filepos, id, body) VALUES(?, ?, ?)");
    Stmt xa(db, "INSERT INTO xattributes(filepos, seq, major, minor, xid, data) VALUES(?, ?, ?, ?, ?, ?)");
    size_t written = 0;
    for (const auto& [pos, rec] : m.elements) {
      if (rec->deleted) continue;
      // Tests end the process here, in the middle of the transaction, to show that
      // the previous file survives a save that was cut short.
      if (++written == m.elements.size() / 2 && ShouldFail("SaveModel.crash")) std::_Exit(3);
      const std::vector<unsigned char> body = EncodeNode(rec->node);
      el.Bind(1, static_cast<long long>(pos)).Bind(2, static_cast<long long>(rec->node.el.id)).BindBlob(3, body).Run();
      long long seq = 0;
      for (const auto& x : rec->xattributes)
        xa.Bind(1, static_cast<long long>(pos))
            .Bind(2, seq++)
            .Bind(3, static_cast<long long>(x.major))
            .Bind(4, static_cast<long long>(x.minor))
            .Bind(5, static_cast<long long>(x.id))
            .BindBlob(6, x.data)
            .Run();
    }
  }
  {
    Stmt st(db, "INSERT INTO fonts(number, kind, name) VALUES(?, ?, ?)");
    for (const auto& f : m.fonts)
      st.Bind(1, static_cast<long long>(f.number)).Bind(2, static_cast<long long>(f.type)).Bind(3, StoredText(f.name).dump()).Run();
  }
  {
    Stmt st(db, "INSERT INTO rasters(seq, body) VALUES(?, ?)");
    long long seq = 0;
    for (const auto& r : m.rasters)
      if (r->attached) st.Bind(1, seq++).Bind(2, StoredRaster(*r).dump()).Run();
  }
  db.Exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
  db.Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
  db.Exec("COMMIT");
}

template <typename T>
T MetaValue(const json& meta, const char* key) {
  if (!meta.contains(key)) throw std::runtime_error(std::string("the setting ") + key + " is missing");
  return meta.at(key).get<T>();
}

void ReadAll(Db& db, DgnModel& m) {
  json meta = json::object();
  for (Stmt st(db, "SELECT key, value FROM meta"); st.Next();) meta[st.Text(0)] = json::parse(st.Text(1));
  m.uorPerMaster = MetaValue<double>(meta, "uorPerMaster");
  m.subPerMaster = MetaValue<double>(meta, "subPerMaster");
  if (!(m.uorPerMaster > 0) || !(m.subPerMaster > 0)) throw std::runtime_error("its units are not positive");
  // Far beyond any real unit: a table in such units would have no finite size.
  if (m.uorPerMaster > kMostUnitsPerMaster || m.subPerMaster > kMostUnitsPerMaster)
    throw std::runtime_error("its units are out of range");
  if (!StandardUnit(MetaValue<int>(meta, "masterUnit"), &m.masterUnit) ||
      !StandardUnit(MetaValue<int>(meta, "subUnit"), &m.subUnit))
    throw std::runtime_error("its units are unknown");
  m.activeLevel = MetaValue<LevelID>(meta, "activeLevel");
  m.nextLevelId = MetaValue<LevelID>(meta, "nextLevelId");
  m.nextElementId = MetaValue<ElementID>(meta, "nextElementId");
  m.nextFilePos = MetaValue<ULong>(meta, "nextFilePos");
  m.activeFont = MetaValue<UInt32>(meta, "activeFont");
  m.activeColor = MetaValue<UInt32>(meta, "activeColor");
  m.activeWeight = MetaValue<UInt32>(meta, "activeWeight");
  m.activeStyle = MetaValue<Int32>(meta, "activeStyle");
  m.activeTextHeight = MetaValue<double>(meta, "activeTextHeight");
  m.activeTextWidth = MetaValue<double>(meta, "activeTextWidth");
  if (MetaValue<long long>(meta, "activeColor") < 0 || m.activeColor > 255 ||
      MetaValue<long long>(meta, "activeWeight") < 0 || m.activeWeight > 31)
    throw std::runtime_error("its active colour or weight is out of range");
  if (!std::isfinite(m.activeTextHeight) || !std::isfinite(m.activeTextWidth) || m.activeTextHeight < 0 ||
      m.activeTextWidth < 0)
    throw std::runtime_error("its active text size is no size");

  m.levels.clear();
  for (Stmt st(db, "SELECT id, name FROM levels ORDER BY rowid"); st.Next();) {
    LevelID id = static_cast<LevelID>(st.Int(0));
    if (id >= m.nextLevelId || m.FindLevel(id)) throw std::runtime_error("a level identifier is out of order");
    m.levels.push_back({id, ReadStoredText(json::parse(st.Text(1)))});
  }
  if (!m.FindLevel(m.activeLevel)) throw std::runtime_error("the active level does not exist");
  for (Stmt st(db, "SELECT name FROM library_levels ORDER BY seq"); st.Next();)
    m.levelLibrary.push_back(ReadStoredText(json::parse(st.Text(0))));

  int colors = 0;
  for (Stmt st(db, "SELECT idx, red, green, blue FROM colors"); st.Next(); ++colors) {
    long long i = st.Int(0);
    if (i < 0 || i > 255) throw std::runtime_error("a colour index is out of range");
    // A component that is no number from 0 to 255 would be read as another colour
    // and saved back changed.
    for (int c = 1; c <= 3; ++c)
      if (!st.IsInteger(c) || st.Int(c) < 0 || st.Int(c) > 255)
        throw std::runtime_error("colour " + std::to_string(i) + " has a component that is no number from 0 to 255");
    m.colors[i] = {static_cast<unsigned char>(st.Int(1)), static_cast<unsigned char>(st.Int(2)),
                   static_cast<unsigned char>(st.Int(3))};
  }
  if (colors != 256) throw std::runtime_error("its colour table does not have 256 entries");

  std::set<ElementID> ids;
  for (Stmt st(db, "SELECT filepos, body FROM elements ORDER BY filepos"); st.Next();) {
    long long pos = st.Int(0);
    try {
      if (pos <= 0 || pos >= m.nextFilePos) throw std::runtime_error("its file position is out of range");
      auto rec = std::make_unique<ElementRefRecord>();
      rec->model = &m;
      rec->filePos = static_cast<ULong>(pos);
      if (st.IsBlob(1)) {
        const std::vector<unsigned char> body = st.Blob(1);
        rec->node = DecodeNode(body.data(), body.size());
      } else {
        rec->node = ReadStoredNode(json::parse(st.Text(1)));
      }
      std::vector<const ElementNode*> stack{&rec->node};
      while (!stack.empty()) {
        const ElementNode* n = stack.back();
        stack.pop_back();
        if (n->el.id == INVALID_ELEMENTID || n->el.id >= m.nextElementId || !ids.insert(n->el.id).second)
          throw std::runtime_error("an element identifier is out of order");
        for (const auto& child : n->members) stack.push_back(&child);
      }
      m.elements[rec->filePos] = std::move(rec);
    } catch (const std::exception& e) {
      throw std::runtime_error("the element at file position " + std::to_string(pos) + " is malformed: " + e.what());
    }
  }
  for (Stmt st(db, "SELECT filepos, major, minor, xid, data FROM xattributes ORDER BY filepos, seq"); st.Next();) {
    ElementRefRecord* rec = m.Find(static_cast<ULong>(st.Int(0)));
    if (!rec) throw std::runtime_error("an extended attribute belongs to no element");
    rec->xattributes.push_back({static_cast<UInt16>(st.Int(1)), static_cast<UInt16>(st.Int(2)),
                                static_cast<UInt32>(st.Int(3)), st.Blob(4)});
  }
  m.fonts.clear();
  for (Stmt st(db, "SELECT number, kind, name FROM fonts ORDER BY number"); st.Next();) {
    long long kind = st.Int(1);
    if (kind < FONTTYPE_DGN || kind > FONTTYPE_SHX || st.Int(0) < 0) throw std::runtime_error("a font entry is malformed");
    m.fonts.push_back({static_cast<UInt32>(st.Int(0)), static_cast<int>(kind), ReadStoredText(json::parse(st.Text(2)))});
  }
  for (Stmt st(db, "SELECT body FROM rasters ORDER BY seq"); st.Next();) {
    auto r = std::make_unique<DgnRaster>();
    r->model = &m;
    ReadRaster(json::parse(st.Text(0)), *r);
    m.rasters.push_back(std::move(r));
  }
}

// What the file's first bytes say it is: an SQLite database at all, and one of ours.
enum class FileKind { Foreign, OtherDatabase, DesignFile };

FileKind KindOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[100] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return FileKind::Foreign;
  if (std::memcmp(header, "SQLite format 3", 16) != 0) return FileKind::Foreign;
  long id = (long(header[68]) << 24) | (long(header[69]) << 16) | (long(header[70]) << 8) | long(header[71]);
  return id == kApplicationId ? FileKind::DesignFile : FileKind::OtherDatabase;
}

}  // namespace

std::string SaveModel(const DgnModel& model, const std::string& linuxPath) {
  if (linuxPath.empty()) return "The design file has no name to be saved under.";
  std::error_code ec;
  if (std::filesystem::exists(linuxPath, ec) && std::filesystem::file_size(linuxPath, ec) > 0 &&
      KindOfFile(linuxPath) != FileKind::DesignFile)
    return linuxPath + " is not a design file; it was not overwritten.";
  Db db;
  if (sqlite3_open_v2(linuxPath.c_str(), db.out(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
    return "Cannot write the design file " + linuxPath + ": " + db.Error();
  try {
    sqlite3_busy_timeout(db.get(), 2000);
    WriteAll(db, model);
  } catch (const std::exception& e) {
    sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    return "Cannot save the design file " + linuxPath + ": " + e.what();
  }
  return "";
}

std::unique_ptr<DgnModel> LoadModel(const std::string& linuxPath, std::string& error) {
  std::string reason;
  const int fd = OpenRegularFile(linuxPath, &reason);
  if (fd < 0) {
    error = "Cannot open the design file " + linuxPath + ": " + reason + ".";
    return nullptr;
  }
  ::close(fd);
  if (KindOfFile(linuxPath) != FileKind::DesignFile) {
    error = linuxPath + " is not a design file.";
    return nullptr;
  }
  // Opened for writing when it may be, so that the journal of a save that was cut
  // short is rolled back and the file read as it was before that save.
  Db db;
  if (sqlite3_open_v2(linuxPath.c_str(), db.out(), SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    Db readOnly;
    if (sqlite3_open_v2(linuxPath.c_str(), readOnly.out(), SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      error = "Cannot open the design file " + linuxPath + ": " + readOnly.Error();
      return nullptr;
    }
    std::swap(*db.out(), *readOnly.out());
  }
  auto model = std::make_unique<DgnModel>();
  try {
    if (db.PragmaInt("user_version") > kSchemaVersion) {
      error = linuxPath + " was written by a newer version of the host and cannot be opened.";
      return nullptr;
    }
    db.Exec("BEGIN");
    ReadAll(db, *model);
    db.Exec("COMMIT");
  } catch (const std::exception& e) {
    error = "The design file " + linuxPath + " is damaged: " + e.what();
    return nullptr;
  }
  return model;
}

}  // namespace sim
