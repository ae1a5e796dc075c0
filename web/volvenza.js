// volvenza: the browser edition's interface over the core, the same
// commands as volvenza-sim. In a page it is window.volvenza, for the page and
// for engineers who script in the console:
//   await volvenza.run(text, ['--gas', 'nitrogen'])     the .vlz that `run` writes
//   await volvenza.size(text, ['--pmin', '60', '--type', 'bladder'])
//                                                      the object `size --json` prints
//   await volvenza.convert(text, 'vlzp')               the project (or 'vlz')
//   await volvenza.gas(20, 200)                        what `gas` prints
// `text` is a simulation file (.vlz) or a project (.vlzp); the arguments are
// the command line's. volvenza.language ('it' or 'en') chooses the language
// of the messages and of the numbers they show. A refusal rejects with an
// Error whose message is what the command said, and whose code is its status.
(function (root) {
  'use strict';

  // The name the core reads `text` under: its kind's default name
  // (documents/FileKinds.h), "progetto.vlzp" for a project (JSON) and
  // "simulazione.vlz" for anything else, as the core's messages name it.
  function inputName(api, text) {
    return api.request({ 'file-name': '', text }).name;
  }

  // The name a command writes its file under, with the extension of its
  // kind: never the name `text` is read under, which volvenza-sim refuses
  // to write over.
  function outputName(extension) {
    return 'risultato.' + extension;
  }

  function failure(reply) {
    const error = new Error(reply.stderr.trim() || 'volvenza-sim: ' + reply.code);
    error.code = reply.code;
    error.stderr = reply.stderr;
    return error;
  }

  // The file a command wrote, or why it wrote none.
  function written(reply, name) {
    if (reply.files[name] === undefined) throw failure(reply);
    return reply.files[name];
  }

  // The commands over an interface's `command`, as volvenza-sim's.
  function commands(api) {
    api.run = async function (text, args) {
      const input = inputName(api, text);
      const output = outputName(api.files.simulation.extension);
      const reply = api.command(['run', input, output].concat(args || []), { [input]: text }, [output]);
      return written(reply, output);
    };

    // Status 0 recommends, 1 finds no size: both answer.
    api.size = async function (text, args) {
      const input = inputName(api, text);
      const reply = api.command(['size', input, '--json'].concat(args || []), { [input]: text });
      if (reply.code !== 0 && reply.code !== 1) throw failure(reply);
      return JSON.parse(reply.stdout);
    };

    api.convert = async function (text, to) {
      if (!Object.values(api.files).some(({ extension }) => extension === to)) {
        throw new Error(api.say("convert: 'vlz' o 'vlzp'"));
      }
      const input = inputName(api, text);
      const output = outputName(to);
      const reply = api.command(['convert', input, output], { [input]: text }, [output]);
      return written(reply, output);
    };

    api.gas = async function (t, p) {
      const reply = api.command(['gas', t, p]);
      if (reply.code !== 0) throw failure(reply);
      return reply.stdout;
    };
  }

  // The interface over a loaded module.
  function over(module) {
    const api = { language: 'it' };

    // One request (an object) to the core and its answer. The request goes
    // on the module's heap, not on its small stack, so that a file as long
    // as the desktop can write goes through.
    api.request = function (request) {
      const text = JSON.stringify(request);
      const size = module.lengthBytesUTF8(text) + 1;
      const at = module._malloc(size);
      if (!at) throw new Error(api.say('volvenza: memoria esaurita'));
      try {
        module.stringToUTF8(text, at, size);
        return JSON.parse(module.UTF8ToString(module._volvenza_call(at)));
      } finally {
        module._free(at);
      }
    };

    // The interface's own words in its language, from the core's catalogue:
    // asked for once, while there is memory to ask with.
    const tables = api.request({ tables: true });
    const words = tables.texts;
    // The kinds of file a design is kept in, by their extensions.
    api.files = tables.files;
    api.say = function (italian) {
      return api.language === 'en' && words[italian] !== undefined ? words[italian] : italian;
    };

    // Any command: its status, what it printed, the files asked for.
    api.command = function (args, files, outputs) {
      return api.request({ args: args.map(String), files: files || {}, outputs: outputs || [], language: api.language });
    };

    commands(api);
    return api;
  }

  // Loads the core (VolvenzaModule, from volvenza-core.js) with the module's
  // options and resolves to the interface.
  async function createVolvenza(factory, options) {
    return over(await factory(options || {}));
  }

  if (typeof module === 'object' && module.exports) {
    module.exports = { createVolvenza, over };
  } else if (typeof root.WorkerGlobalScope !== 'undefined') {
    // In the page's worker (worker.js), which makes its own interface.
    root.volvenzaOver = over;
  } else if (typeof root.VolvenzaModule === 'function') {
    // In a page: every method waits for the core to load.
    const ready = createVolvenza(root.VolvenzaModule);
    const api = { language: 'it', ready };
    for (const name of ['run', 'size', 'convert', 'gas']) {
      api[name] = async function (...args) {
        const core = await ready;
        core.language = api.language;
        return core[name](...args);
      };
    }
    root.volvenza = api;
  } else {
    // In the page before its own core is loaded (core-now.js), which makes
    // its own interface.
    root.volvenzaOver = over;
  }
})(typeof self !== 'undefined' ? self : this);
