// The player's tools under "更多": tolerance, per-condition counts, the history check, saved
// schemes and condition files, copying and downloading the result. The history check and the
// condition files run in the tools module, loaded on first use.
import { openTools } from './core.js';
import { fileSource, readText } from './files.js';

const $ = (id) => document.getElementById(id);
const SCHEMES_KEY = 'shrink2d.schemes';
// Rows of the history table shown at first, and added by each press of its button.
const TABLE_ROWS = 100;

function cell(row, tag, text) {
  const node = document.createElement(tag);
  node.textContent = text;
  row.append(node);
  return node;
}

function download(name, text, type) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// The tools module, or null after saying in `say` that it could not be loaded; the next use
// tries again.
async function tools(say) {
  try {
    return await openTools();
  } catch {
    say('工具模块没能载入（网络中断？），请检查网络后再试一次。');
    return null;
  }
}

// A file picker: a Chinese button over the browser's own input, and the chosen file's name.
// The text of a picked file, or null for one no decoder reads, which say is told, naming it.
async function pickedText(file, say) {
  const text = await readText(file);
  if (text === null) {
    const module = await tools(say);
    if (module) say(module.notText(fileSource(file)));
  }
  return text;
}

function filePicker(name, onFile) {
  const input = $(name);
  $(`${name}-button`).addEventListener('click', () => input.click());
  input.addEventListener('change', async () => {
    const file = input.files[0];
    input.value = '';
    if (!file) return;
    $(`${name}-name`).textContent = file.name;
    await onFile(file);
  });
}

// The page's own question with 覆盖 and 取消; true when the player chose 覆盖.
function confirmOverwrite(text) {
  const box = $('confirm-box');
  $('confirm-text').textContent = text;
  box.returnValue = '';
  box.showModal();
  $('confirm-no').focus();
  return new Promise((resolve) => {
    box.addEventListener('close', () => resolve(box.returnValue === 'yes'), { once: true });
  });
}

// The strip chart of a history: a cell a draw, green kept, red missed, rows wrapped to the
// width, cells made smaller until the whole fits in about a third of the screen. One tab stop:
// the arrow keys walk it, up and down a row, Home and End to the ends.
class Strip {
  constructor(canvas, detail, scale) {
    this.canvas = canvas;
    this.detail = detail;
    this.scale = scale;
    this.draws = [];
    this.words = () => '';
    this.at = -1;
    canvas.addEventListener('mousemove', (event) => this.pick(event));
    canvas.addEventListener('click', (event) => this.pick(event));
    canvas.addEventListener('focus', () => this.select(this.at < 0 ? 0 : this.at));
    canvas.addEventListener('keydown', (event) => {
      const last = this.draws.length - 1;
      const to = { ArrowLeft: this.at - 1, ArrowRight: this.at + 1, ArrowUp: this.at - this.perRow,
        ArrowDown: this.at + this.perRow, Home: 0, End: last }[event.key];
      if (to === undefined || this.draws.length === 0) return;
      event.preventDefault();
      this.select(Math.max(0, Math.min(last, to)));
    });
    new ResizeObserver(() => this.draw()).observe(canvas);
  }

  show(draws, words) {
    this.draws = draws;
    this.words = words;
    this.at = -1;
    this.detail.textContent = '';
    this.draw();
  }

  layout() {
    const width = this.canvas.clientWidth;
    const room = Math.max(120, window.innerHeight / 3);
    let size = 16;
    for (;;) {
      const gap = size >= 8 ? 2 : size >= 4 ? 1 : 0;
      const perRow = Math.max(1, Math.floor((width + gap) / (size + gap)));
      const rows = Math.ceil(this.draws.length / perRow);
      const height = rows * (2 * size + gap);
      if (height <= room || size === 2) return { size, gap, perRow, height: Math.max(height, 1) };
      size /= 2;
    }
  }

  draw() {
    const { canvas } = this;
    if (canvas.clientWidth === 0) return;
    const { size, gap, perRow, height } = this.layout();
    Object.assign(this, { size, gap, perRow });
    const ratio = window.devicePixelRatio || 1;
    canvas.style.height = `${height}px`;
    canvas.width = Math.round(canvas.clientWidth * ratio);
    canvas.height = Math.round(height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.clearRect(0, 0, canvas.width, canvas.height);
    this.draws.forEach((draw, k) => {
      context.fillStyle = draw.kept ? '#2e7d32' : '#c62828';
      context.fillRect((k % perRow) * (size + gap), Math.floor(k / perRow) * (2 * size + gap), size, 2 * size);
    });
    if (this.at >= 0) {
      context.strokeStyle = '#000';
      context.lineWidth = 2;
      context.strokeRect((this.at % perRow) * (size + gap) - 1,
        Math.floor(this.at / perRow) * (2 * size + gap) - 1, size + 2, 2 * size + 2);
    }
    const rows = Math.ceil(this.draws.length / perRow);
    this.scale.textContent = this.draws.length === 0 ? ''
      : `每格一期，每行 ${Math.min(perRow, this.draws.length)} 期，共 ${rows} 行；最早的在左上。`;
  }

  pick(event) {
    const box = this.canvas.getBoundingClientRect();
    const column = Math.floor((event.clientX - box.left) / (this.size + this.gap));
    const row = Math.floor((event.clientY - box.top) / (2 * this.size + this.gap));
    const k = row * this.perRow + column;
    if (column < this.perRow && k >= 0 && k < this.draws.length && k !== this.at) this.select(k);
  }

  select(k) {
    if (k >= this.draws.length) return;
    this.at = k;
    this.detail.textContent = this.words(k);
    this.draw();
  }
}

export function setupTools(page) {
  const { core, data } = page;

  // 容错
  $('tolerance').addEventListener('change', () => {
    page.setTolerance(Number($('tolerance').value));
    refreshStats();
  });

  // 条件统计: recounted whenever the list or a condition changes, at most once a frame; a neutral
  // line until there is a list of the player's.
  let statsQueued = false;
  function refreshStats() {
    if (statsQueued) return;
    statsQueued = true;
    requestAnimationFrame(() => {
      statsQueued = false;
      const hasList = page.hasList();
      $('stats-neutral').hidden = hasList;
      $('stats').hidden = !hasList;
      $('stats-message').textContent = '';
      if (!hasList) return;
      const settings = page.settings();
      const body = $('stats').tBodies[0];
      const result = core.stats(page.list(), settings);
      body.replaceChildren();
      if (result.unreadable || result.refused) {
        $('stats-message').textContent =
          `无法统计：${result.refused ?? result.unreadable.message}`;
        $('stats-in').textContent = '';
        $('stats-out').textContent = '';
        return;
      }
      data.groups.forEach((group, g) => {
        if (!result.active.includes(group.key)) return;
        const row = document.createElement('tr');
        cell(row, 'th', group.caption).scope = 'row';
        cell(row, 'td', String(result.rows[group.key]));
        body.append(row);
      });
      $('stats-in').textContent = String(result.in);
      $('stats-out').textContent = String(result.out);
    });
  }
  page.onChange(refreshStats);
  refreshStats();

  // 历史验证
  const historySay = (text) => { $('history-message').textContent = text; };
  filePicker('draws-file', async (file) => {
    const text = await pickedText(file, historySay);
    if (text === null) return;
    $('draws').value = text;
    $('draws').dataset.source = fileSource(file);
    historySay(`已打开${fileSource(file)}，按“验证”检验当前条件`);
  });
  $('draws').addEventListener('input', () => {
    delete $('draws').dataset.source;
    $('draws-file-name').textContent = '未选文件';
  });
  const strip = new Strip($('strip'), $('strip-detail'), $('strip-scale'));
  let shownRows = 0;
  let lastReport = null;
  $('check-history').addEventListener('click', async () => {
    const module = await tools(historySay);
    if (!module) return;
    const [first, second] = page.digits();
    const report = module.history($('draws').value, $('draws').dataset.source ?? '开奖号码',
      $('last').value.trim(), page.settings(), first, second);
    if (report.error) {
      historySay(report.error);
      $('history-result').hidden = true;
      return;
    }
    historySay('');
    showHistory(report);
  });

  function words(report, k) {
    const draw = report.draws[k];
    return `${draw.issue ?? `第${draw.line}行`} ${draw.number} ${draw.kept ? '中' : '错'}，` +
      `被去掉：${report.reasons[k] || '无'}`;
  }

  function tableRow(report, k) {
    const draw = report.draws[k];
    const row = document.createElement('tr');
    row.className = draw.kept ? 'kept' : 'missed';
    cell(row, 'td', String(draw.line));
    cell(row, 'td', draw.issue ?? '');
    cell(row, 'td', draw.number);
    cell(row, 'td', draw.kept ? '中' : '错');
    cell(row, 'td', report.reasons[k] || '无');
    return row;
  }

  // The table holds the latest draws; its button adds earlier ones above them.
  function showRows(count) {
    const report = lastReport;
    const total = report.draws.length;
    const from = Math.max(0, total - count);
    const rows = [];
    for (let k = from; k < total - shownRows; k += 1) rows.push(tableRow(report, k));
    $('history-table').tBodies[0].prepend(...rows);
    shownRows = total - from;
    const more = $('history-more');
    more.hidden = from === 0;
    more.textContent = `表中是最近 ${shownRows} 期，再显示更早的 ${Math.min(TABLE_ROWS, from)} 期`;
  }
  $('history-more').addEventListener('click', () => showRows(shownRows + TABLE_ROWS));

  function showHistory(report) {
    const { summary } = report;
    const figures = [
      ['期数', summary.draws], ['命中', summary.kept], ['命中率', `${report.kept_percent}%`],
      ['最长连错', summary.longest_miss_run], ['当前连错', summary.current_miss_run],
      ['每期注数', summary.numbers_per_draw],
    ];
    $('history-summary').replaceChildren(...figures.map(([term, value]) => {
      const pair = document.createElement('div');
      const dt = document.createElement('dt');
      dt.textContent = term;
      const dd = document.createElement('dd');
      dd.textContent = String(value);
      dd.dataset.term = term;
      pair.append(dt, dd);
      return pair;
    }));
    lastReport = report;
    shownRows = 0;
    $('history-table').tBodies[0].replaceChildren();
    $('history-result').hidden = false;
    strip.show(report.draws, (k) => words(report, k));
    showRows(TABLE_ROWS);
  }

  // 方案: kept in local storage as condition files, the command line's format.
  function schemes() {
    try {
      return JSON.parse(localStorage.getItem(SCHEMES_KEY) ?? '{}');
    } catch {
      return {};
    }
  }
  function listSchemes(selected) {
    const names = Object.keys(schemes()).sort();
    $('scheme-list').replaceChildren(...names.map((name) => new Option(name, name)));
    if (selected !== undefined) $('scheme-list').value = selected;
  }
  function say(text) { $('scheme-message').textContent = text; }
  // Sets the conditions a condition file holds; source names it in a message.
  async function applyFile(content, source) {
    const module = await tools(say);
    if (!module) return false;
    const read = module.readConditions(content);
    if (read.error) {
      say(`${source}：${read.error}`);
      return false;
    }
    page.applySettings(read);
    $('tolerance').value = String(read.tolerance);
    return true;
  }
  function chosenScheme() {
    const name = $('scheme-list').value;
    if (name && name in schemes()) return name;
    say(Object.keys(schemes()).length === 0 ? '还没有保存过方案：先给方案起名，再点“保存”'
      : '请先在“已存方案”中选一个方案');
    return null;
  }
  $('scheme-save').addEventListener('click', async () => {
    const name = $('scheme-name').value.trim();
    if (!name) {
      say('请先输入方案名');
      return;
    }
    const all = schemes();
    if (name in all && !(await confirmOverwrite(`已有方案“${name}”，要用现在的条件覆盖它吗？`))) {
      say(`没有保存：方案“${name}”保持原样`);
      return;
    }
    const module = await tools(say);
    if (!module) return;
    const written = module.writeConditions(page.settings());
    if (written.error) {
      say(`没有保存：${written.error}`);
      return;
    }
    all[name] = written.file;
    try {
      localStorage.setItem(SCHEMES_KEY, JSON.stringify(all));
    } catch {
      say('无法保存：浏览器不允许本网页保存数据（可改用“下载方案文件”）');
      return;
    }
    listSchemes(name);
    say(`已保存方案“${name}”`);
  });
  $('scheme-load').addEventListener('click', async () => {
    const name = chosenScheme();
    if (name === null) return;
    if (await applyFile(schemes()[name], `方案“${name}”`)) say(`已载入方案“${name}”`);
  });
  $('scheme-delete').addEventListener('click', () => {
    const name = chosenScheme();
    if (name === null) return;
    const all = schemes();
    delete all[name];
    try {
      localStorage.setItem(SCHEMES_KEY, JSON.stringify(all));
    } catch {
      say('无法删除：浏览器不允许本网页保存数据');
      return;
    }
    listSchemes();
    say(`已删除方案“${name}”`);
  });
  $('scheme-download').addEventListener('click', async () => {
    const module = await tools(say);
    if (!module) return;
    const name = `${$('scheme-name').value.trim() || 'conditions'}.json`;
    const written = module.writeConditions(page.settings());
    if (written.error) {
      say(`没有下载：${written.error}`);
      return;
    }
    download(name, written.file, 'application/json');
    say(`已下载方案文件“${name}”`);
  });
  filePicker('scheme-file', async (file) => {
    const text = await pickedText(file, say);
    if (text === null) return;
    if (await applyFile(text, fileSource(file))) say(`已打开方案文件“${file.name}”`);
  });
  listSchemes();

  // 复制结果, 下载: only a list of the player's, never the notice or nothing.
  const resultSay = (text) => { $('result-message').textContent = text; };
  function listToGive() {
    if (page.hasList() && page.list().trim() !== '') return page.list();
    resultSay('结果中还没有号码：请先点击“1、组号”，或在结果中输入号码');
    return null;
  }
  $('copy-result').addEventListener('click', async () => {
    const list = listToGive();
    if (list === null) return;
    try {
      await navigator.clipboard.writeText(list);
      resultSay('已复制结果');
    } catch {
      resultSay('无法复制：请在结果框中全选后复制');
    }
  });
  $('download-result').addEventListener('click', () => {
    const list = listToGive();
    if (list === null) return;
    download('shrink2d.txt', list, 'text/plain;charset=utf-8');
    resultSay('已下载结果 shrink2d.txt');
  });
}
