#include "modules/filters/FilterSupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quillon {

namespace {

// Scratch of the window statistics and of the row rotation: the vertical
// window results of every column, and a copy of the plane being rotated.
struct ColumnSumsTable {
  int32_t v[MaxImageSide][MaxImageSide];
};
struct ColumnExtremesTable {
  Sample v[MaxImageSide][MaxImageSide];
};
struct RotationTable {
  Plane Source;
};

// Rounds a float to nearest with ties to even, as Round does. Below 2^22 in
// magnitude, adding 1.5 * 2^23 lands on a float grid of step 1, so the sum is
// rounded to an integer by the default rounding mode (ties to even) and
// subtracting the constant again is exact; the build forbids reassociation,
// so the two steps stay. Larger values go through Round itself.
inline Sample RoundFloatSample(float f) {
  if (f > -4194304.0f && f < 4194304.0f) {
    const float shifted = f + 12582912.0f;
    return Saturate16(static_cast<int64_t>(shifted - 12582912.0f));
  }
  return Saturate16(Round(static_cast<Real>(f)));
}

template <bool IsMax>
inline Sample Pick(Sample a, Sample b) {
  if constexpr (IsMax)
    return a > b ? a : b;
  else
    return a < b ? a : b;
}

// The extreme over every window of length L of the wrapped line c[0..n-1],
// window y covering c[y - r .. y - r + L - 1]; L < n. Blocks of L along the
// unrolled line give, per block, suffix extremes (h) and running prefix
// extremes (g); a window meets at most two blocks, so it is the pick of one
// suffix and one prefix.
template <bool IsMax>
void LineExtremes(const Sample* c, int n, int64_t r, int64_t L, Sample* out, std::vector<Sample>& h) {
  const int64_t ne = n + L - 1;
  h.resize(static_cast<size_t>(ne));
  const int64_t start = WrapIndex(-r, n);
  auto at = [&](int64_t i) {
    int64_t k = start + i;
    while (k >= n) k -= n;
    return c[k];
  };
  for (int64_t i = ne - 1; i >= 0; --i) {
    const Sample e = at(i);
    h[i] = ((i + 1) % L == 0 || i == ne - 1) ? e : Pick<IsMax>(e, h[i + 1]);
  }
  Sample g = 0;
  for (int64_t j = 0; j < ne; ++j) {
    const Sample e = at(j);
    g = (j % L == 0) ? e : Pick<IsMax>(g, e);
    if (j >= L - 1) out[j - L + 1] = Pick<IsMax>(h[j - L + 1], g);
  }
}

template <bool IsMax>
void ForEachWindowExtreme(const Plane& src, int32_t radius, const WindowSampleColumn& emit) {
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  const int64_t r = radius, L = 2 * r + 1;
  auto& ColumnExtremes = LargeTable<ColumnExtremesTable>().v;
  PrepareColumnsToWrite(ColumnExtremes, sizeof(ColumnExtremes[0]));
  // Vertical pass: the extreme of every column window.
  ParallelColumns(1, W, [&](int x0, int x1) {
    std::vector<Sample> h;
    for (int x = x0; x <= x1; ++x) {
      const Sample* c = src.column(x);
      Sample* out = ColumnExtremes[x - 1];
      if (L >= H) {
        Sample m = c[0];
        for (int y = 1; y < H; ++y) m = Pick<IsMax>(m, c[y]);
        for (int y = 0; y < H; ++y) out[y] = m;
      } else {
        LineExtremes<IsMax>(c, H, r, L, out, h);
      }
    }
  });
  // Horizontal pass over whole columns: the same blocks, one column vector
  // per element.
  if (L >= W) {
    std::vector<Sample> m(ColumnExtremes[0], ColumnExtremes[0] + H);
    for (int x = 2; x <= W; ++x) {
      const Sample* c = ColumnExtremes[x - 1];
      for (int y = 0; y < H; ++y) m[y] = Pick<IsMax>(m[y], c[y]);
    }
    ParallelColumns(1, W, [&](int x0, int x1) {
      for (int x = x0; x <= x1; ++x) emit(x, m.data());
    });
    return;
  }
  ParallelColumns(1, W, [&](int x0, int x1) {
    const int64_t ne = (x1 - x0 + 1) + L - 1;
    const int64_t first = WrapIndex(static_cast<int64_t>(x0) - 1 - r, W);
    auto column = [&](int64_t j) {
      int64_t k = first + j;
      while (k >= W) k -= W;
      return ColumnExtremes[k];
    };
    std::vector<Sample> h(static_cast<size_t>(ne) * H), g(H), out(H);
    for (int64_t i = ne - 1; i >= 0; --i) {
      const Sample* e = column(i);
      Sample* hi = &h[static_cast<size_t>(i) * H];
      if ((i + 1) % L == 0 || i == ne - 1) {
        std::memcpy(hi, e, sizeof(Sample) * H);
      } else {
        const Sample* next = hi + H;
        for (int y = 0; y < H; ++y) hi[y] = Pick<IsMax>(e[y], next[y]);
      }
    }
    for (int64_t j = 0; j < ne; ++j) {
      const Sample* e = column(j);
      if (j % L == 0) {
        std::memcpy(g.data(), e, sizeof(Sample) * H);
      } else {
        for (int y = 0; y < H; ++y) g[y] = Pick<IsMax>(g[y], e[y]);
      }
      if (j >= L - 1) {
        const Sample* hi = &h[static_cast<size_t>(j - L + 1) * H];
        for (int y = 0; y < H; ++y) out[y] = Pick<IsMax>(hi[y], g[y]);
        emit(static_cast<int>(x0 + j - L + 1), out.data());
      }
    }
  });
}

}  // namespace

void MapPlane(Plane& p, const std::function<int64_t(int32_t)>& f) {
  if (ImageWidth < 1 || ImageHeight < 1) return;
  int32_t mn, mx;
  PlaneRange(p, mn, mx);
  std::vector<Sample> table(static_cast<size_t>(mx - mn) + 1);
  bool identity = true;
  for (int32_t v = mn; v <= mx; ++v) {
    table[v - mn] = Saturate16(f(v));
    identity = identity && table[v - mn] == v;
  }
  if (identity) return;
  const int h = ImageHeight;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* c = p.column(x);
      for (int y = 0; y < h; ++y) c[y] = table[c[y] - mn];
    }
  });
}

void WriteBackRounded(const FloatPlane& from, Plane& to) {
  const int h = ImageHeight;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      const float* f = from.column(x);
      Sample* c = to.column(x);
      for (int y = 0; y < h; ++y) c[y] = RoundFloatSample(f[y]);
    }
  });
}

void CopyToFloat(const Plane& from, FloatPlane& to) {
  const int h = ImageHeight;
  PrepareToWrite({&to});
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      const Sample* c = from.column(x);
      float* f = to.column(x);
      for (int y = 0; y < h; ++y) f[y] = c[y];
    }
  });
}

void CopyPlane(const Plane& from, Plane& to) {
  const int h = ImageHeight;
  PrepareToWrite({&to});
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) std::memcpy(to.column(x), from.column(x), sizeof(Sample) * h);
  });
}

namespace {

// The sums of every window of L = Q * H + M rows down one wrapped column c
// (window y starting at row Start + y, wrapped): Q times the column's total,
// plus the M rows from there on, a difference of prefix sums over the column
// unrolled from row Start. Every value fits 32 bits: at most L samples of at
// most 2^15 in magnitude, L < 2^14.
QUILLON_VECTOR_CLONES void ColumnWindowSums(const Sample* __restrict c, int H, int64_t Q, int64_t M, int64_t Start,
                                            int32_t* __restrict pre, int32_t* __restrict out) {
  int32_t total = 0;
  if (Q > 0)
    for (int y = 0; y < H; ++y) total += c[y];
  // pre[i] is the sum of the first i rows of the unrolled column, taken in
  // runs that end at the column's end, so that no step wraps.
  pre[0] = 0;
  int64_t i = 0, k = Start;
  while (i < H + M) {
    const int64_t run = std::min<int64_t>(H - k, H + M - i);
    int32_t sum = pre[i];
    for (int64_t j = 0; j < run; ++j) pre[i + j + 1] = sum += c[k + j];
    i += run;
    k = 0;
  }
  const int32_t base = static_cast<int32_t>(Q) * total;
  for (int y = 0; y < H; ++y) out[y] = base + pre[y + M] - pre[y];
}

// run[y] += entering[y] - leaving[y] for one step of the horizontal window.
QUILLON_VECTOR_CLONES void SlideColumn(double* __restrict run, const int32_t* __restrict entering,
                                       const int32_t* __restrict leaving, int H) {
  for (int y = 0; y < H; ++y) run[y] += static_cast<double>(entering[y]) - static_cast<double>(leaving[y]);
}

}  // namespace

void ForEachWindowSum(const Plane& src, int32_t radius, const WindowSumColumn& emit) {
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  const int64_t r = radius, L = 2 * r + 1;
  // Vertical pass. A window of L = q * H + m rows covers each row of the
  // column q times and then m consecutive rows more.
  const int64_t qv = L / H, mv = L % H, sv = WrapIndex(-r, H);
  auto& ColumnSums = LargeTable<ColumnSumsTable>().v;
  PrepareColumnsToWrite(ColumnSums, sizeof(ColumnSums[0]));
  ParallelColumns(1, W, [&](int x0, int x1) {
    std::vector<int32_t> pre(static_cast<size_t>(H + mv) + 1);
    for (int x = x0; x <= x1; ++x) ColumnWindowSums(src.column(x), H, qv, mv, sv, pre.data(), ColumnSums[x - 1]);
  });
  // Horizontal pass over whole columns, the same split: q times the sum of all
  // columns plus a running sum of m columns that slides one column per x.
  const int64_t qh = L / W, mh = L % W;
  std::vector<double> all;
  if (qh > 0) {
    all.assign(H, 0);
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) all[y] += ColumnSums[x][y];
  }
  ParallelColumns(1, W, [&](int x0, int x1) {
    std::vector<double> run(H, 0), sums(qh > 0 ? H : 0);
    const int64_t first = WrapIndex(static_cast<int64_t>(x0) - 1 - r, W);
    for (int64_t k = 0; k < mh; ++k) {
      const int32_t* c = ColumnSums[(first + k) % W];
      for (int y = 0; y < H; ++y) run[y] += c[y];
    }
    int64_t out = first;
    for (int x = x0; x <= x1; ++x) {
      if (qh > 0) {
        for (int y = 0; y < H; ++y) sums[y] = static_cast<double>(qh) * all[y] + run[y];
        emit(x, sums.data());
      } else {
        emit(x, run.data());
      }
      SlideColumn(run.data(), ColumnSums[(out + mh) % W], ColumnSums[out], H);
      if (++out == W) out = 0;
    }
  });
}

void ForEachWindowMin(const Plane& src, int32_t radius, const WindowSampleColumn& emit) {
  ForEachWindowExtreme<false>(src, radius, emit);
}

void ForEachWindowMax(const Plane& src, int32_t radius, const WindowSampleColumn& emit) {
  ForEachWindowExtreme<true>(src, radius, emit);
}

void RotateColumns(Plane& p, const std::vector<int64_t>& shiftOfColumn) {
  const int H = ImageHeight;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    std::vector<Sample> tmp(H);
    for (int x = x0; x <= x1; ++x) {
      const int64_t s = WrapIndex(shiftOfColumn[x - 1], H);
      if (s == 0) continue;
      Sample* c = p.column(x);
      std::memcpy(tmp.data(), c, sizeof(Sample) * H);
      // new[y] = old[y + s]: the tail from s first, then the head.
      std::memcpy(c, tmp.data() + s, sizeof(Sample) * (H - s));
      std::memcpy(c + (H - s), tmp.data(), sizeof(Sample) * s);
    }
  });
}

void RotateRows(Plane& p, const std::vector<int64_t>& shiftOfRow) {
  const int W = ImageWidth, H = ImageHeight;
  std::vector<int32_t> s(H);
  bool any = false;
  for (int y = 0; y < H; ++y) {
    s[y] = static_cast<int32_t>(WrapIndex(shiftOfRow[y], W));
    any = any || s[y] != 0;
  }
  if (!any) return;
  Plane& RotationSource = LargeTable<RotationTable>().Source;
  CopyPlane(p, RotationSource);
  ParallelColumns(1, W, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* c = p.column(x);
      for (int y = 0; y < H; ++y) {
        int k = x - 1 + s[y];
        if (k >= W) k -= W;
        c[y] = RotationSource.v[k][y];
      }
    }
  });
}

void ShiftedColumn(const Sample* column, int64_t shift, Sample* out) {
  const int H = ImageHeight;
  const int64_t s = WrapIndex(shift, H);
  std::memcpy(out, column + s, sizeof(Sample) * (H - s));
  std::memcpy(out + (H - s), column, sizeof(Sample) * s);
}

void RescaleFloatPlane(FloatPlane& p, Real lo, Real hi) {
  float mn, mx;
  PlaneRange(p, mn, mx);
  const int H = ImageHeight;
  const Real range = static_cast<Real>(mx) - mn, span = hi - lo;
  auto rescaled = [&](Real v) { return static_cast<float>(mx == mn ? lo : (v - mn) / range * span + lo); };
  // The planes rescaled here hold whole numbers (copied samples, sums of
  // samples): each distinct value is then computed once, in a table; any
  // other value is computed where it stands.
  std::vector<float> table;
  if (mn == std::floor(mn) && mn > -1048576.0f && mx < 1048576.0f && mx - mn < 262144.0f) {
    table.resize(static_cast<size_t>(mx - mn) + 1);
    for (size_t k = 0; k < table.size(); ++k) table[k] = rescaled(static_cast<Real>(mn) + k);
  }
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      float* c = p.column(x);
      for (int y = 0; y < H; ++y) {
        const float offset = c[y] - mn;
        const size_t k = static_cast<size_t>(offset);
        c[y] = (k < table.size() && static_cast<float>(k) == offset) ? table[k] : rescaled(c[y]);
      }
    }
  });
}

}  // namespace quillon
