// The base of the objects of the table model and of the option set: a run-time class
// name and a schema number.
#pragma once

class CSerialisable {
 public:
  static constexpr int kSchema = 1;
  virtual ~CSerialisable() = default;
  virtual const char* GetRuntimeClassName() const = 0;
};
