// The program's own engine, compiled to WebAssembly (collatz.mjs and collatz.wasm): resolves to its
// functions, or rejects where it cannot load (no WebAssembly, a file blocked or missing).
export function loadEngine() {
  return import('./collatz.mjs').then((module) => module.default());
}
