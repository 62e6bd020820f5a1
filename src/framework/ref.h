#pragma once
// Shared references and the framework's exceptions.
//
// What the program shares (pictures, sprites, dictionaries, windows) is held by a Ref<T>:
// a shared pointer whose -> and * throw NilObjectException when it is nil, as every access
// through an absent object must.
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace fw {

class RuntimeException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class NilObjectException : public RuntimeException {
public:
  NilObjectException() : RuntimeException("access through a nil object") {}
};

class KeyNotFoundException : public RuntimeException {
public:
  explicit KeyNotFoundException(const std::string& key) : RuntimeException("key not found: " + key) {}
};

class OutOfBoundsException : public RuntimeException {
public:
  explicit OutOfBoundsException(const std::string& what) : RuntimeException("out of bounds: " + what) {}
};

template <class T>
class Ref {
public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(std::shared_ptr<T> p) : ptr_(std::move(p)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : ptr_(other.shared()) {}

  T* operator->() const { return &**this; }
  T& operator*() const {
    if (!ptr_) throw NilObjectException();
    return *ptr_;
  }
  T* get() const { return ptr_.get(); }
  const std::shared_ptr<T>& shared() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  bool IsNil() const { return ptr_ == nullptr; }
  void Reset() { ptr_.reset(); }

  friend bool operator==(const Ref& a, const Ref& b) { return a.ptr_ == b.ptr_; }
  friend bool operator==(const Ref& a, std::nullptr_t) { return a.ptr_ == nullptr; }

private:
  std::shared_ptr<T> ptr_;
};

template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

template <class T, class U>
Ref<T> RefCast(const Ref<U>& r) {
  return Ref<T>(std::dynamic_pointer_cast<T>(r.shared()));
}

}  // namespace fw
