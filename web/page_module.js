// How the page gets its compiled module. From a server, and from the service
// worker's cache, it is its own file, stereona.wasm, compiled while it
// streams in. Opened from disk (file://) the page itself has started loading
// the same module as text, stereona-module.js, a script that a phone never
// fetches nor keeps.

const moduleFolder = document.currentScript.src.replace(/[^/]*([?#].*)?$/, '');

function moduleFromServer(imports) {
  const address = `${moduleFolder}stereona.wasm`;
  return WebAssembly.instantiateStreaming(fetch(address, { credentials: 'same-origin' }), imports)
    // A server that does not call the file application/wasm: compiled whole.
    .catch(() => fetch(address, { credentials: 'same-origin' })
      .then((response) => response.arrayBuffer())
      .then((bytes) => WebAssembly.instantiate(bytes, imports)));
}

function moduleFromDisk(imports) {
  return self.stereonaModuleOnDisk.then(() => {
    const text = atob(self.stereonaModuleText);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    delete self.stereonaModuleText;
    return WebAssembly.instantiate(bytes, imports);
  });
}

Module.instantiateWasm = (imports, receiveInstance) => {
  const loaded = self.stereonaModuleOnDisk ? moduleFromDisk(imports) : moduleFromServer(imports);
  loaded.then((result) => receiveInstance(result.instance, result.module),
              (reason) => console.error(reason));
  return {};
};
