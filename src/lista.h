#ifndef VESZTES_LISTA_H
#define VESZTES_LISTA_H

#include <climits>
#include <iterator>
#include <list>
#include <new>
#include <stdexcept>
#include <type_traits>

// A sequence over a doubly linked list with positional access and one
// built-in read cursor. Every query walks from the head. When T is a pointer
// the list owns only its nodes, never the objects pointed to.
template <typename T>
class lista {
    std::list<T> l;
    typename std::list<T>::const_iterator it;
    typename std::list<T>::const_iterator it2;

  public:
    lista() = default;
    // The cursor refers into this list's own nodes, so a copy could not
    // carry it over; nothing in the program copies a list.
    lista(const lista&) = delete;
    lista& operator=(const lista&) = delete;
    ~lista() = default;

    // Appends at the end; duplicates are kept. Positions are int, so a list
    // never grows past INT_MAX elements: that throws std::bad_alloc, as
    // running out of memory, rather than letting Meret() overflow.
    void Betesz(T value) {
        if (l.size() >= static_cast<std::size_t>(INT_MAX)) throw std::bad_alloc();
        l.push_back(value);
    }

    // The element at position index, stepping from the head. A position
    // outside 0 .. Meret()-1 throws std::out_of_range instead of reading
    // past the list.
    T operator()(int index) const {
        if (index < 0 || index >= Meret()) throw std::out_of_range("lista");
        return *std::next(l.begin(), index);
    }

    // True as soon as one element equals value.
    bool Tartalmaz(T value) const {
        for (const T& e : l)
            if (e == value) return true;
        return false;
    }

    // Position of the last element equal to value, or -3 when there is none.
    int Index(T value) const {
        int eredmeny = -3;
        int k = 0;
        for (const T& e : l) {
            if (e == value) eredmeny = k;
            ++k;
        }
        return eredmeny;
    }

    int Meret() const { return static_cast<int>(l.size()); }

    // Drops every element; the cursor walk starts again with Begin().
    void Torol() {
        l.clear();
        Begin();
    }

    // Ascending with T's operator< (stable); char compares as a signed value
    // here, so bytes 0x80-0xFF come before the 7-bit characters.
    void Sort() {
        if constexpr (std::is_same_v<T, char>) {
            // char is unsigned on some platforms; the order is the same everywhere.
            l.sort([](char a, char b) {
                return static_cast<signed char>(a) < static_cast<signed char>(b);
            });
        } else {
            l.sort();
        }
    }

    // The cursor walk: Begin(), then while !End(): Current(), Next().
    // On an empty list End() is true straight after Begin().
    void Begin() {
        it = l.begin();
        it2 = l.end();
    }
    bool End() const { return it == it2; }
    T Current() const { return *it; }
    void Next() { ++it; }
};

#endif
