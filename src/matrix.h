#ifndef VESZTES_MATRIX_H
#define VESZTES_MATRIX_H

#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>

// A dense rows x columns array in one heap block, row by row. Elements start
// unset: the creator fills every element before reading it. Sizes and linear
// positions are computed in std::size_t, so a matrix of more than 2^31
// elements is addressed correctly or, if it cannot be had, its allocation
// throws std::bad_alloc.
template <typename T>
class matrix {
    int x = 0;  // rows
    int y = 0;  // columns
    T* v = nullptr;

    // Element count; throws std::bad_alloc when it is not representable.
    static std::size_t Darab(int sorok, int oszlopok) {
        if (sorok < 0 || oszlopok < 0) throw std::length_error("matrix");
        const auto s = static_cast<std::size_t>(sorok);
        const auto o = static_cast<std::size_t>(oszlopok);
        if (o != 0 && s > SIZE_MAX / sizeof(T) / o) throw std::bad_alloc();
        return s * o;
    }

    // Takes other's size and a new block with other's elements; the old block
    // is not freed here.
    void copy(const matrix& other) {
        const std::size_t n = Darab(other.x, other.y);
        T* uj = new T[n];
        for (std::size_t p = 0; p < n; ++p) uj[p] = other.v[p];
        x = other.x;
        y = other.y;
        v = uj;
    }

  public:
    matrix(int i, int j) : v(new T[Darab(i, j)]) {
        x = i;
        y = j;
    }
    matrix(const matrix& other) { copy(other); }
    ~matrix() { delete[] v; }

    // Assigning a matrix to itself changes nothing. Otherwise the old block
    // is replaced by a copy; if the copy cannot be allocated, this matrix is
    // left as it was.
    matrix& operator=(const matrix& other) {
        if (this != &other) {
            T* regi = v;
            copy(other);
            delete[] regi;
        }
        return *this;
    }

    // No bounds check: 0 <= i < rows(), 0 <= j < cols().
    T& operator()(int i, int j) {
        return v[static_cast<std::size_t>(i) * static_cast<std::size_t>(y) +
                 static_cast<std::size_t>(j)];
    }
    const T& operator()(int i, int j) const {
        return v[static_cast<std::size_t>(i) * static_cast<std::size_t>(y) +
                 static_cast<std::size_t>(j)];
    }

    int rows() const { return x; }
    int cols() const { return y; }
    T* getVector() { return v; }

    // Element-wise equality over this matrix's size; the caller compares
    // matrices of equal size. f is a copy, as the comparison's contract says.
    bool Egyenlo(matrix f) {
        const std::size_t n = Darab(x, y);
        const T* w = f.getVector();
        bool egyenlo = true;
        for (std::size_t p = 0; p < n; ++p)
            if (v[p] != w[p]) egyenlo = false;
        return egyenlo;
    }
};

#endif
